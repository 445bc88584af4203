#include "backends/linux/views/container_views.h"

#include <QApplication>
#include <QLabel>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QStyleFactory>
#include <QStyleOptionFocusRect>
#include <QTabBar>
#include <QTabWidget>

#include "backends/linux/views/view_convert.h"

namespace lumaro::platform::linuxos {

namespace {

// A panel's bevel is the frame of a QLabel, which also centres the caption as a panel does. Presses
// and clicks on it reach the model.
class PanelView : public ControlView {
 public:
  PanelView(toolkit::Panel& model, QLabel& frame, toolkit::Application& app)
      : ControlView(model, frame, app), model_(model), frame_(frame) {
    forwardMouse();
  }

 protected:
  void apply() override {
    frame_.setText(withoutAccessKeys(model_.caption()));
    frame_.setAlignment(model_.captionLeft() ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    switch (model_.bevelOuter()) {
      case toolkit::Bevel::None:
        frame_.setFrameStyle(QFrame::NoFrame);
        break;
      case toolkit::Bevel::Lowered:
        frame_.setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
      case toolkit::Bevel::Raised:
        frame_.setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
    }
    frame_.setLineWidth(model_.bevelWidth());
  }

 private:
  toolkit::Panel& model_;
  QLabel& frame_;
};

// Tabs as flat buttons: raised under the mouse, pressed in for the active page, and no frame around
// the pages, which fill the space below the buttons.
const QString kFlatButtons = QStringLiteral(
    "QTabWidget::pane { border: none; }"
    "QTabBar::tab { border: 1px solid transparent; padding: 2px 9px; margin: 0 2px 2px 0;"
    "  background: palette(button); }"
    "QTabBar::tab:hover { border-color: palette(light) palette(dark) palette(dark) palette(light); }"
    "QTabBar::tab:selected { border-color: palette(dark) palette(light) palette(light) palette(dark);"
    "  background: palette(midlight); }");

// The application's style, except that the active tab's dotted focus rectangle goes round its caption,
// just inside the tab's edge: the style draws it inside the caption's own box, which on tabs as tight
// as the flat buttons runs it across the letters.
class TabFocusStyle : public QProxyStyle {
 public:
  TabFocusStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    const auto* bar = qobject_cast<const QTabBar*>(widget);
    if (element != PE_FrameFocusRect || bar == nullptr) {
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      return;
    }
    const QRect tab = bar->tabRect(bar->tabAt(option->rect.center()));
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(*option);
    focus.rect =
        option->rect.adjusted(-kRoom, -kRoom, kRoom, kRoom) & tab.adjusted(kEdge, kEdge, -kEdge, -kEdge);
    QProxyStyle::drawPrimitive(element, &focus, painter, widget);
  }

 private:
  static constexpr int kRoom = 4;  // beyond the style's own rectangle
  static constexpr int kEdge = 2;  // the tab's frame and margin
};

class PageControlView : public ControlView {
 public:
  PageControlView(toolkit::PageControl& model, QTabWidget& tabs, toolkit::Application& app)
      : ControlView(model, tabs, app), model_(model), tabs_(tabs) {
    // Owned by the tab bar, so that it outlives every use the bar makes of it.
    auto* style = new TabFocusStyle;
    style->setParent(tabs_.tabBar());
    tabs_.tabBar()->setStyle(style);
    QObject::connect(&tabs_, &QTabWidget::currentChanged, &context(), [this](int index) {
      const auto pages = model_.pages();
      if (index >= 0 && index < static_cast<int>(pages.size())) {
        userAction([&] { model_.userSelectPage(pages[index]); });
      }
    });
  }

 protected:
  void apply() override {
    if (const int index = model_.activePageIndex(); index >= 0) tabs_.setCurrentIndex(index);
    const bool flat = model_.tabStyle() == toolkit::TabStyle::FlatButtons;
    tabs_.setDocumentMode(flat);
    tabs_.setStyleSheet(flat ? kFlatButtons : QString());
    tabs_.setUsesScrollButtons(!model_.multiLine());
  }

 private:
  toolkit::PageControl& model_;
  QTabWidget& tabs_;
};

// A page is placed by its tab widget: the model's caption, hint, enabled and visible go to its tab.
class TabSheetView : public ControlView {
 public:
  TabSheetView(toolkit::TabSheet& model, QTabWidget& tabs, toolkit::Application& app)
      : ControlView(model, addPage(tabs), app), model_(model), tabs_(tabs) {}

 protected:
  void applyPlacement() override {
    // Hiding or disabling the current tab moves the selection: that is no user's choice.
    const QSignalBlocker blocker(&tabs_);
    const int index = tabs_.indexOf(&widget());
    tabs_.setTabText(index, toQString(model_.caption()));
    tabs_.setTabToolTip(index, toQString(model_.hint()));
    tabs_.setTabEnabled(index, model_.enabled());
    tabs_.setTabVisible(index, model_.visible());
  }

 private:
  static QWidget& addPage(QTabWidget& tabs) {
    auto* page = new QWidget;
    // The first page added becomes the current one: that is no user's choice either.
    const QSignalBlocker blocker(&tabs);
    tabs.addTab(page, QString());
    return *page;
  }

  toolkit::TabSheet& model_;
  QTabWidget& tabs_;
};

}  // namespace

std::unique_ptr<ControlView> makeView(toolkit::Panel& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit) {
  return std::make_unique<PanelView>(model, *new QLabel(&parent), app);
}

std::unique_ptr<ControlView> makeView(toolkit::PageControl& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit) {
  return std::make_unique<PageControlView>(model, *new QTabWidget(&parent), app);
}

std::unique_ptr<ControlView> makeView(toolkit::TabSheet& model, QWidget& parent, toolkit::Application& app,
                                      ViewKit) {
  auto* tabs = qobject_cast<QTabWidget*>(&parent);
  if (tabs == nullptr) return nullptr;
  return std::make_unique<TabSheetView>(model, *tabs, app);
}

}  // namespace lumaro::platform::linuxos
