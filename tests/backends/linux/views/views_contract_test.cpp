// The Linux views held to the views contract: Qt widgets on the offscreen platform, played with QTest
// and sent events.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "backends/linux/desktop/event_loop.h"
#include "backends/linux/desktop/message_notice.h"
#include "backends/linux/desktop/text_service.h"
#include "backends/linux/views/form_view.h"
#include "backends/linux/views/view_fixture.h"
#include "backends/shared/views_contract.h"

namespace lumaro::platform::linuxos {
namespace {

using contract::Key;
using contract::ShownControl;
using contract::ShownWindow;
using contract::ViewsContract;

toolkit::Bounds boundsOf(const QRect& rect) {
  return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// What a widget of each kind shows beyond what every widget does.
void readKind(QWidget& widget, ShownControl& shown) {
  if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
    shown.text = button->text().toStdString();
    shown.checked = button->isChecked();
  } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
    shown.text = label->text().toStdString();
  } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
    shown.text = combo->currentText().toStdString();
    shown.editable = combo->isEditable();
    shown.index = combo->currentIndex();
    for (int i = 0; i < combo->count(); ++i) shown.items.push_back(combo->itemText(i).toStdString());
  } else if (auto* slider = qobject_cast<QSlider*>(&widget)) {
    shown.position = slider->value();
    shown.maximum = slider->maximum();
    shown.vertical = slider->orientation() == Qt::Vertical;
    shown.ticks = slider->tickPosition() != QSlider::NoTicks;
    shown.thumbLength = slider->style()->pixelMetric(QStyle::PM_SliderControlThickness, nullptr, slider);
  } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(&widget)) {
    const QLineEdit& editor = *spin->findChild<QLineEdit*>();
    shown.text = editor.text().toStdString();
    shown.editable = !editor.isReadOnly();
    shown.maxLength = editor.maxLength();
  } else if (auto* tabs = qobject_cast<QTabWidget*>(&widget)) {
    shown.index = tabs->currentIndex();
    for (int i = 0; i < tabs->count(); ++i) {
      if (tabs->isTabVisible(i)) shown.items.push_back(tabs->tabText(i).toStdString());
    }
  }
}

// Where typing goes: a box's editor, or the widget itself.
QWidget& editorOf(QWidget& widget) {
  if (auto* combo = qobject_cast<QComboBox*>(&widget); combo != nullptr && combo->isEditable()) {
    return *combo->lineEdit();
  }
  if (qobject_cast<QAbstractSpinBox*>(&widget) != nullptr) return *widget.findChild<QLineEdit*>();
  return widget;
}

void sendMouse(QWidget& target, QEvent::Type type, Qt::MouseButton button, QPoint at) {
  QMouseEvent event(type, at, target.mapToGlobal(at), button,
                    type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
  QApplication::sendEvent(&target, &event);
}

class QtViewsSubject : public contract::ViewsSubject {
 public:
  toolkit::Application& application() override { return app_; }
  platform::TextService& text() override { return text_; }

  void makeView(toolkit::Form& form) override {
    view_ = std::make_unique<FormView>(form, app_);
    windowWatch_ = &view_->window();
  }
  // Drawn, and the shape taken from the drawing (queued once the painting is done).
  void waitUntilShown() override {
    if (!view_->window().isVisible() || !QTest::qWaitForWindowExposed(&view_->window())) return;
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }
  bool waitUntilActive() override { return QTest::qWaitForWindowActive(&view_->window()); }
  void dropView() override { view_.reset(); }
  bool windowGone() override { return windowWatch_.isNull(); }

  ShownWindow window() override {
    const QWidget& window = view_->window();
    return {.title = window.windowTitle().toStdString(),
            .visible = window.isVisible(),
            .minimized = window.isMinimized(),
            .inside = boundsOf(window.geometry()),
            .outside = boundsOf(window.frameGeometry()),
            .framed = !window.windowFlags().testFlag(Qt::FramelessWindowHint),
            .resizable = window.minimumSize() != window.maximumSize(),
            .onTop = window.windowFlags().testFlag(Qt::WindowStaysOnTopHint)};
  }

  ShownControl control(const std::string& name) override {
    QWidget& widget = this->widget(name);
    ShownControl shown;
    shown.visible = widget.isVisible();
    shown.enabled = widget.isEnabled();
    shown.bounds = boundsOf(widget.geometry());
    shown.hint = widget.toolTip().toStdString();
    shown.handCursor = widget.cursor().shape() == Qt::PointingHandCursor;
    shown.fontName = widget.font().family().toStdString();
    shown.fontHeight = widget.font().pixelSize();
    shown.bold = widget.font().bold();
    readKind(widget, shown);
    return shown;
  }

  bool inside(const std::string& inner, const std::string& outer) override {
    return widget(outer).isAncestorOf(&widget(inner));
  }
  bool hasFocus(const std::string& name) override { return widget(name).hasFocus(); }
  bool keeps(toolkit::Point at) override { return view_->window().mask().contains(QPoint(at.x, at.y)); }

  bool showsColour(const std::string& name, toolkit::Point at, toolkit::Color colour) override {
    // The whole window, so that what shows through a transparent widget counts.
    const QPoint point = widget(name).mapTo(&view_->window(), QPoint(at.x, at.y));
    const QColor shown = view_->window().grab().toImage().pixelColor(point);
    return shown == QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
  }

  toolkit::Point onScreen(const std::string& name, toolkit::Point at) override {
    const QPoint point = widget(name).mapToGlobal(QPoint(at.x, at.y));
    return {point.x(), point.y()};
  }

  std::optional<toolkit::Bounds> menu() override {
    const QWidget* popup = QApplication::activePopupWidget();
    if (popup == nullptr) return std::nullopt;
    return boundsOf(popup->geometry());
  }

  void click(const std::string& name) override {
    QWidget& target = widget(name);
    // A check box or radio button takes clicks on its box and caption only: the box is at its left.
    const bool boxed =
        qobject_cast<QAbstractButton*>(&target) != nullptr && !qobject_cast<QPushButton*>(&target);
    QTest::mouseClick(&target, Qt::LeftButton, {},
                      boxed ? QPoint(4, target.height() / 2) : target.rect().center());
  }
  void mouseClick(const std::string& name, toolkit::MouseButton button, toolkit::Point at) override {
    const Qt::MouseButton pressed = button == toolkit::MouseButton::Right  ? Qt::RightButton
                                    : button == toolkit::MouseButton::Left ? Qt::LeftButton
                                                                           : Qt::MiddleButton;
    QTest::mouseClick(&widget(name), pressed, {}, QPoint(at.x, at.y));
  }
  void moveMouse(const std::string& name, toolkit::Point at) override {
    sendMouse(widget(name), QEvent::MouseMove, Qt::NoButton, QPoint(at.x, at.y));
  }
  void press(const std::string& name, Key key) override {
    const Qt::Key pressed = key == Key::Up ? Qt::Key_Up : key == Key::Down ? Qt::Key_Down : Qt::Key_Right;
    QTest::keyClick(&widget(name), pressed);
  }
  void type(const std::string& name, const std::string& keys) override {
    QWidget& editor = editorOf(widget(name));
    for (const char key : keys) {
      if (key == '\b') {
        QTest::keyClick(&editor, Qt::Key_Backspace);
      } else {
        QTest::keyClick(&editor, key);
      }
    }
  }
  void replaceText(const std::string& name, const std::string& text) override {
    auto& editor = static_cast<QLineEdit&>(editorOf(widget(name)));
    // At once, as a paste over the whole text.
    editor.selectAll();
    editor.insert(QString::fromStdString(text));
  }
  void chooseTab(const std::string& name, int index) override {
    QTabBar& bar = *widget<QTabWidget>(name).tabBar();
    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.tabRect(index).center());
  }
  void focus(const std::string& name) override { editorOf(widget(name)).setFocus(Qt::MouseFocusReason); }
  void chooseInMenu(toolkit::Point at) override {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      sendMouse(*popup, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(at.x, at.y));
    }
  }
  void minimize() override { view_->window().setWindowState(Qt::WindowMinimized); }
  void close() override { view_->window().close(); }

 private:
  template <class W = QWidget>
  W& widget(const std::string& name) const {
    return test::widgetNamed<W>(*view_, name);
  }

  QtEventLoop loop_;
  QtMessageBox messageBox_;
  toolkit::Application app_{loop_, messageBox_};
  QtTextService text_;
  std::unique_ptr<FormView> view_;
  QPointer<QWidget> windowWatch_;
};

LUMARO_CONTRACT(ViewsContract, Linux, [] { return std::make_unique<QtViewsSubject>(); });

}  // namespace
}  // namespace lumaro::platform::linuxos
