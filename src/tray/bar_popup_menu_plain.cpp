// The bar menu's own item style, used when no draw module is attached: the classic flat menu, with the
// item's image in a column on the left and separators as short etched lines that fade in.
#include <algorithm>

#include "toolkit/controls/access_key.h"
#include "tray/bar_popup_menu.h"

namespace lumaro::tray {

using toolkit::Canvas;
using toolkit::MenuItem;
using toolkit::Rect;

namespace {
constexpr int kMargin = 4;
constexpr int kImageGap = 8;
constexpr int kRightRoom = 16;
}  // namespace

int TBcBarPopupMenu::textIndent() const {
  return Images != nullptr ? kMargin + Images->width() + kImageGap : kImageGap;
}

toolkit::Size TBcBarPopupMenu::measurePlain(Canvas& canvas, const MenuItem& item) const {
  if (item.isSeparator()) {
    if (item.hint.empty()) return {0, kSeparatorHeight};
    canvas.font = Separators.Font;
    const toolkit::Size hint = canvas.textExtent(item.hint);
    canvas.font = MenuFont;
    return {textIndent() + hint.width + kRightRoom, std::max(kSeparatorHeight, hint.height)};
  }
  const toolkit::Size text = toolkit::captionExtent(canvas, item.caption);
  const int imageHeight = Images != nullptr ? Images->height() + kMargin : 0;
  return {textIndent() + text.width + kRightRoom, std::max(text.height + 6, imageHeight)};
}

void TBcBarPopupMenu::drawPlain(Canvas& canvas, const MenuItem& item, const Rect& rect,
                                TOwnerDrawState state) {
  if (item.isSeparator()) {
    drawPlainSeparator(canvas, item, rect);
    return;
  }
  canvas.brush.color = state.selected ? toolkit::clHighlight : toolkit::clMenu;
  canvas.fillRect(rect);
  if (Images != nullptr && item.imageIndex >= 0 && item.imageIndex < Images->count()) {
    const toolkit::Icon& image = Images->image(item.imageIndex);
    const int x = rect.left + kMargin;
    const int y = rect.top + (rect.height() - image.image.height()) / 2;
    canvas.drawIcon(x, y, image);
    if (state.checked) {
      canvas.brush.color = toolkit::clMenuText;
      canvas.frameRect(Rect{x, y, x + image.image.width(), y + image.image.height()}.inflated(1));
    }
  }
  canvas.font.color = state.disabled   ? toolkit::clGrayText
                      : state.selected ? toolkit::clHighlightText
                                       : MenuFont.color;
  canvas.brush.style = toolkit::BrushStyle::Clear;
  const int top = rect.top + (rect.height() - canvas.textExtent("M").height) / 2;
  toolkit::drawCaption(canvas, {rect.left + textIndent(), top, rect.right, rect.bottom}, item.caption);
}

void TBcBarPopupMenu::drawPlainSeparator(Canvas& canvas, const MenuItem& item, const Rect& rect) {
  canvas.brush.color = toolkit::clMenu;
  canvas.fillRect(rect);
  int right = rect.right - kMargin;
  if (!item.hint.empty()) {
    canvas.font = Separators.Font;
    canvas.brush.style = toolkit::BrushStyle::Clear;
    canvas.drawText({rect.left, rect.top, right, rect.bottom}, item.hint, toolkit::TextAlign::Right, true);
    right -= canvas.textExtent(item.hint).width + kMargin;
  }
  const int left = rect.left + textIndent();
  const int y = rect.top + rect.height() / 2 - 1;
  const int fade = Separators.Fade ? std::clamp(Separators.FadeWidth, 0, std::max(0, right - left)) : 0;
  // An etched line: shadow over highlight, each fading in from the menu's colour.
  for (const auto& [row, color] :
       {std::pair{y, toolkit::clBtnShadow}, std::pair{y + 1, toolkit::clBtnHighlight}}) {
    if (fade > 0) {
      scratch_.setSize(fade, 1);
      GradientFill(scratch_, toolkit::clMenu, color, TGradientStyle::gsHorizontal);
      canvas.draw(left, row, scratch_);
    }
    canvas.brush.color = color;
    canvas.brush.style = toolkit::BrushStyle::Solid;
    canvas.fillRect({left + fade, row, right, row + 1});
  }
}

}  // namespace lumaro::tray
