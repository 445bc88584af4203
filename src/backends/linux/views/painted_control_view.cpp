#include "backends/linux/views/painted_control_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "backends/linux/views/drawn_menu_popup.h"
#include "backends/linux/views/event_filter.h"
#include "backends/linux/views/view_convert.h"

namespace lumaro::platform::linuxos {

namespace {

class PictureWidget : public QWidget {
 public:
  PictureWidget(toolkit::PaintedControl& model, QWidget& parent) : QWidget(&parent), model_(model) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).drawImage(0, 0, toSharpQImage(model_.picture(), devicePixelRatioF()));
  }

 private:
  toolkit::PaintedControl& model_;
};

class PaintedControlView : public ControlView {
 public:
  PaintedControlView(toolkit::PaintedControl& model, QWidget& widget, toolkit::Application& app)
      : ControlView(model, widget, app), model_(model), app_(app) {
    forwardMouse();
    // Installed after forwardMouse's filter, so it sees the events first and lets them through.
    widget.installEventFilter(new EventFilter(context(), [this](QEvent& event) { return handle(event); }));
  }

 protected:
  void apply() override { widget().update(); }
  std::string hintAt(const QPoint& at) const override { return model_.hintAt(at.x(), at.y()); }

 private:
  bool handle(QEvent& event) {
    switch (event.type()) {
      case QEvent::MouseMove: {
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        const QPoint at = mouse.position().toPoint();
        app_.guarded([&] { model_.mouseMove(at.x(), at.y()); });
        return false;
      }
      case QEvent::MouseButtonRelease: {
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        if (mouse.button() == Qt::RightButton && model_.enabled()) openMenu(mouse.globalPosition().toPoint());
        return false;
      }
      default:
        return false;
    }
  }

  void openMenu(const QPoint& global) {
    toolkit::DrawnMenu* menu = model_.contextMenu();
    if (menu == nullptr) return;
    auto* popup = new DrawnMenuPopup(*menu, model_.textService(), &widget(), [this, menu](int index) {
      app_.guarded([&] { menu->clickItem(index); });
    });
    popup->popup(global);
  }

  toolkit::PaintedControl& model_;
  toolkit::Application& app_;
};

}  // namespace

std::unique_ptr<ControlView> makeView(toolkit::PaintedControl& model, QWidget& parent,
                                      toolkit::Application& app, ViewKit) {
  return std::make_unique<PaintedControlView>(model, *new PictureWidget(model, parent), app);
}

}  // namespace lumaro::platform::linuxos
