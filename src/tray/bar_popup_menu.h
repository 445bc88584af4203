#pragma once
#include "toolkit/drawing/image_list.h"
#include "toolkit/menus/drawn_menu.h"
#include "toolkit/menus/menu.h"
#include "tray/custom_draw_module.h"
#include "tray/menu_bar.h"

namespace lumaro::tray {

// How the menu draws separators itself: a short line from the text column to the right, fading in over
// `FadeWidth` pixels when `Fade` is on.
struct TBcSeparators {
  bool Fade = true;
  int FadeWidth = 64;
  toolkit::Font Font = toolkit::menuFont();  // of a separator's hint
};

// A popup menu with a picture bar down its left side. Its items are measured and drawn by the draw
// module's handlers when one is attached, otherwise in the menu's own plain style.
class TBcBarPopupMenu : public toolkit::PopupMenu, public toolkit::DrawnMenu {
 public:
  static constexpr int kSeparatorHeight = 9;

  using PopupMenu::PopupMenu;

  toolkit::ImageList* Images = nullptr;
  toolkit::Font MenuFont = toolkit::menuFont();
  TBcSeparators Separators;
  TBcBar Bar;
  TBcCustomDrawModule* DrawModule = nullptr;

  const toolkit::ImageList* images() const override { return Images; }
  int itemCount() const override { return static_cast<int>(items().size()); }
  toolkit::Size measureItem(toolkit::Canvas& canvas, int index, toolkit::Size standard) override;
  void drawItem(toolkit::Canvas& canvas, int index, const toolkit::Rect& rect, bool selected) override;
  void clickItem(int index) override { items().at(index)->click(); }
  bool selectable(int index) const override;
  char accessKey(int index) const override;
  std::string itemText(int index) const override;
  int barWidth() const override { return Bar.Width + Bar.Space; }
  void drawBar(toolkit::Canvas& canvas, const toolkit::Rect& rect) override;

 private:
  // The plain style, also the measurement the draw module's handlers start from.
  toolkit::Size measurePlain(toolkit::Canvas& canvas, const toolkit::MenuItem& item) const;
  void drawPlain(toolkit::Canvas& canvas, const toolkit::MenuItem& item, const toolkit::Rect& rect,
                 TOwnerDrawState state);
  void drawPlainSeparator(toolkit::Canvas& canvas, const toolkit::MenuItem& item, const toolkit::Rect& rect);
  // Where the plain style's text starts, from the item's left.
  int textIndent() const;

  toolkit::Bitmap scratch_;
};

}  // namespace lumaro::tray
