#pragma once
#include "toolkit/menus/drawn_menu.h"

namespace lumaro::toolkit {

// The keys an open menu answers to.
enum class MenuKey { Escape, Up, Down, Enter };

// What the window that shows an open menu has to do after the user's action.
struct MenuReaction {
  enum class Kind { None, Repaint, Close, Choose };
  Kind kind = Kind::None;
  int item = -1;  // the chosen item
  bool operator==(const MenuReaction&) const = default;
};

// An open drawn menu's picture and highlight, and what the user's mouse and keys do to them, the same
// whatever window shows it: the mouse and the arrow keys move the highlight over the selectable items;
// releasing the mouse over one, Enter on the highlighted one, or an item's access key (when no other
// item has it) chooses it; Escape closes the menu without a choice.
class DrawnMenuTracker {
 public:
  DrawnMenuTracker(DrawnMenu& menu, platform::TextService& text);

  Size size() const { return picture_.size(); }
  // The picture with the highlighted item.
  const Bitmap& paint() { return picture_.paint(selected_); }
  // The highlighted item, or −1.
  int selected() const { return selected_; }
  const DrawnMenu& menu() const { return menu_; }
  // Where an item lies in the picture.
  const Rect& itemRect(int index) const { return picture_.itemRect(index); }

  // The mouse moved to, or was released at, a point of the picture.
  MenuReaction mouseMoved(Point at);
  MenuReaction mouseReleased(Point at);
  MenuReaction key(MenuKey key);
  // A typed character (a Unicode code point); only ASCII letters and digits are access keys.
  MenuReaction typed(char32_t character);

 private:
  int selectableAt(Point at) const;
  MenuReaction select(int index);

  DrawnMenu& menu_;
  MenuPicture picture_;
  int selected_ = -1;
};

// What a reaction asks of the window that shows the menu.
class MenuWindow {
 public:
  virtual void highlightChanged() = 0;
  // Closes the menu without a choice.
  virtual void dismiss() = 0;
  virtual void choose(int item) = 0;

 protected:
  ~MenuWindow() = default;
};

void react(MenuWindow& window, MenuReaction reaction);

}  // namespace lumaro::toolkit
