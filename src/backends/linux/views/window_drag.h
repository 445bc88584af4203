#pragma once
#include <QObject>
#include <QPoint>

class QWidget;

namespace lumaro::platform::linuxos {

// Moves a top-level window with the pointer while the mouse button pressed on its move handle stays
// down, whichever button it is. Nothing moves until the pointer has travelled the drag distance, so a
// click (however short) leaves the window in place, and the move ends when that button is released.
// Where the program cannot place its windows (Wayland), the drag is handed to the window manager.
class WindowDrag : public QObject {
 public:
  explicit WindowDrag(QWidget& window);
  ~WindowDrag() override;

  // Called while the press is being handled: follows the button it holds.
  void start();

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void finish();

  QWidget& window_;
  Qt::MouseButton button_ = Qt::NoButton;
  QPoint pressedAt_;
  QPoint windowAt_;
  bool moving_ = false;
};

}  // namespace lumaro::platform::linuxos
