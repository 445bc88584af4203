#pragma once
#include <QWidget>
#include <functional>

#include "backends/linux/views/accessible_menu.h"
#include "toolkit/menus/drawn_menu_tracker.h"

namespace lumaro::platform::linuxos {

// A drawn menu on screen: a popup window showing the menu's picture and answering the mouse and keys as
// toolkit::DrawnMenuTracker says; a choice closes the popup and then reports the item. A press outside
// closes it without a choice. It deletes itself when closed.
class DrawnMenuPopup : public QWidget, private toolkit::MenuWindow {
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
  void highlightChanged() override;
  void dismiss() override;
  void choose(int index) override;

  toolkit::DrawnMenuTracker tracker_;
  Choice onChoice_;
  AccessibleMenu accessible_{*this, tracker_};
};

}  // namespace lumaro::platform::linuxos
