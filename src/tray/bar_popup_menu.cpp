#include "tray/bar_popup_menu.h"

#include "toolkit/controls/access_key.h"

namespace lumaro::tray {

using toolkit::Canvas;
using toolkit::MenuItem;
using toolkit::Rect;

toolkit::Size TBcBarPopupMenu::measureItem(Canvas& canvas, int index, toolkit::Size) {
  MenuItem& item = *items().at(index);
  if (!item.visible) return {0, 0};
  canvas.font = MenuFont;
  const toolkit::Size plain = measurePlain(canvas, item);
  if (DrawModule == nullptr) return plain;
  toolkit::Size measured = plain;
  bool defaultMeasure = true;
  DrawModule->OnMeasureMenuItem(*this, item, canvas, measured.width, measured.height, Bar.Width > 0,
                                defaultMeasure);
  return defaultMeasure ? plain : measured;
}

void TBcBarPopupMenu::drawItem(Canvas& canvas, int index, const Rect& rect, bool selected) {
  MenuItem& item = *items().at(index);
  if (!item.visible) return;
  canvas.font = MenuFont;
  const TOwnerDrawState state{selected, false, !item.enabled, item.checked};
  bool defaultDraw = true;
  if (DrawModule != nullptr)
    DrawModule->OnDrawMenuItem(*this, item, canvas, rect, state, Bar.Width > 0, defaultDraw);
  if (defaultDraw) {
    canvas.reset(MenuFont);
    drawPlain(canvas, item, rect, state);
  }
}

bool TBcBarPopupMenu::selectable(int index) const {
  const MenuItem& item = *items().at(index);
  return item.visible && !item.isSeparator();
}

char TBcBarPopupMenu::accessKey(int index) const {
  return toolkit::accessKeyOf(items().at(index)->caption);
}

std::string TBcBarPopupMenu::itemText(int index) const {
  const MenuItem& item = *items().at(index);
  return selectable(index) ? toolkit::parseAccessKey(item.caption).text : std::string();
}

void TBcBarPopupMenu::drawBar(Canvas& canvas, const Rect& rect) {
  DrawBar(canvas, {rect.left, rect.top, rect.left + Bar.Width, rect.bottom}, Bar, scratch_);
}

}  // namespace lumaro::tray
