#pragma once
#include <QObject>
#include <QRect>
#include <functional>

namespace lumaro::platform::linuxos {

// Qt turns a press that follows one of the same button within the double-click time into a double
// click, and its XEmbed tray icon makes something of the left button's double clicks only. A quick
// second right or middle click on the icon (its menu opened, closed with Escape and asked for again
// at once) would be lost. Installed on the application, this filter hands every right or middle
// double click that reaches a window to the handler, as the press it is.
class RepeatedPressFilter : public QObject {
 public:
  // The window's place on the screen and the button pressed again.
  using Handler = std::function<void(const QRect& window, Qt::MouseButton button)>;

  explicit RepeatedPressFilter(Handler handler) : handler_(std::move(handler)) {}

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Handler handler_;
};

}  // namespace lumaro::platform::linuxos
