#pragma once
#include <QWidget>
#include <functional>

#include "toolkit/drawn_menu.h"

namespace lumaro::platform::qt {

// A drawn menu on screen: a popup window showing the menu's picture, with the item under the mouse
// highlighted. Releasing the mouse over an item, Enter on the highlighted one, or an item's access key
// (when no other item has it) closes the popup and then reports the item; the arrow keys move the
// highlight. A press outside or Escape closes it without a choice. It deletes itself when closed.
class DrawnMenuPopup : public QWidget {
 public:
  using Choice = std::function<void(int index)>;

  DrawnMenuPopup(toolkit::DrawnMenu& menu, platform::TextService& text, QWidget* parent, Choice onChoice);

  // Shows the popup with its top left at a global position, or, where it would leave the screen, with
  // its right or bottom edge there instead.
  void popup(const QPoint& at);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void select(int index);
  void choose(int index);

  toolkit::DrawnMenu& menu_;
  toolkit::MenuPicture picture_;
  Choice onChoice_;
  int selected_ = -1;
};

}  // namespace lumaro::platform::qt
