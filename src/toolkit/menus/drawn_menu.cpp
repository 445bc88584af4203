#include "toolkit/menus/drawn_menu.h"

#include <algorithm>

namespace lumaro::toolkit {

Font menuFont() {
  return Font{"MS Sans Serif", 11, false, clMenuText};
}

MenuPicture::MenuPicture(DrawnMenu& menu, platform::TextService& text) : menu_(menu), canvas_(bitmap_, text) {
  const int left = kFrame + menu_.barWidth();
  int width = 0;
  int bottom = kFrame;
  for (int i = 0; i < menu_.itemCount(); ++i) {
    canvas_.reset(menuFont());
    const Size item = menu_.measureItem(canvas_, i, {0, kStandardItemHeight});
    width = std::max(width, item.width + kCheckMarkRoom);
    items_.push_back({left, bottom, left, bottom + item.height});
    bottom += item.height;
  }
  for (Rect& item : items_) item.right = left + width;
  bar_ = {kFrame, kFrame, left, bottom};
  bitmap_.setSize(left + width + kFrame, bottom + kFrame);
}

int MenuPicture::itemAt(Point point) const {
  const auto found =
      std::find_if(items_.begin(), items_.end(), [point](const Rect& r) { return r.contains(point); });
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

int MenuPicture::nextSelectable(int from, int step) const {
  const int count = menu_.itemCount();
  int index = from < 0 ? (step > 0 ? count - 1 : 0) : from;
  for (int tried = 0; tried < count; ++tried) {
    index = (index + step + count) % count;
    if (menu_.selectable(index)) return index;
  }
  return -1;
}

int MenuPicture::itemWithKey(char key, int from, bool& unique) const {
  const int count = menu_.itemCount();
  int found = -1;
  int matches = 0;
  for (int step = 1; step <= count; ++step) {
    const int index = ((from < 0 ? -1 : from) + step) % count;
    if (key == 0 || !menu_.selectable(index) || menu_.accessKey(index) != key) continue;
    if (found < 0) found = index;
    ++matches;
  }
  unique = matches == 1;
  return found;
}

const Bitmap& MenuPicture::paint(int selected) {
  canvas_.reset(menuFont());
  canvas_.brush.color = clMenu;
  const Rect all{0, 0, bitmap_.width(), bitmap_.height()};
  canvas_.fillRect(all);
  // The raised edge: light outside and highlight inside at the top left, dark shadow outside and
  // shadow inside at the bottom right.
  const auto edge = [this](const Rect& r, Color topLeft, Color bottomRight) {
    canvas_.pen.color = topLeft;
    canvas_.moveTo(r.left, r.bottom - 1);
    canvas_.lineTo(r.left, r.top);
    canvas_.lineTo(r.right - 1, r.top);
    canvas_.pen.color = bottomRight;
    canvas_.lineTo(r.right - 1, r.bottom - 1);
    canvas_.lineTo(r.left - 1, r.bottom - 1);
  };
  edge(all, cl3DLight, cl3DDkShadow);
  edge(all.inflated(-1), clBtnHighlight, clBtnShadow);
  if (bar_.width() > 0) {
    canvas_.reset(menuFont());
    menu_.drawBar(canvas_, bar_);
  }
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    canvas_.reset(menuFont());
    menu_.drawItem(canvas_, i, items_[i], i == selected);
  }
  return bitmap_;
}

}  // namespace lumaro::toolkit
