#pragma once
#include <string>
#include <vector>

#include "platform/text_service.h"
#include "toolkit/drawing/bitmap.h"
#include "toolkit/drawing/canvas.h"
#include "toolkit/drawing/geometry.h"

namespace lumaro::toolkit {

// A popup menu whose items draw themselves (owner-drawn items).
class DrawnMenu {
 public:
  virtual int itemCount() const = 0;
  // The size of an item, given the platform's standard size for it.
  virtual Size measureItem(Canvas& canvas, int index, Size standard) = 0;
  // Draws an item into `rect`, highlighted when `selected`.
  virtual void drawItem(Canvas& canvas, int index, const Rect& rect, bool selected) = 0;
  // The user chose the item.
  virtual void clickItem(int index) = 0;
  // Whether the item can be highlighted and chosen (separators cannot).
  virtual bool selectable(int /*index*/) const { return true; }
  // What a screen reader reads for the item; empty for a separator or a hidden item.
  virtual std::string itemText(int /*index*/) const { return {}; }
  // The item's access key, an ASCII letter in lower case or digit; 0 for none.
  virtual char accessKey(int /*index*/) const { return 0; }
  // The width of a picture bar down the menu's left side, beside the items; 0 for none.
  virtual int barWidth() const { return 0; }
  virtual void drawBar(Canvas& /*canvas*/, const Rect& /*rect*/) {}

 protected:
  ~DrawnMenu() = default;
};

// A drawn menu laid out as the classic popup menu: items one under the other, as wide as the widest
// (plus the room the platform keeps for a check mark), right of the menu's bar if it has one, inside a
// raised three-pixel frame. Items are measured when the picture is made, as the platform measures them
// when the menu opens.
class MenuPicture {
 public:
  static constexpr int kFrame = 3;
  static constexpr int kStandardItemHeight = 18;
  static constexpr int kCheckMarkRoom = 12;

  MenuPicture(DrawnMenu& menu, platform::TextService& text);

  Size size() const { return {bitmap_.width(), bitmap_.height()}; }
  const Rect& itemRect(int index) const { return items_.at(index); }
  // The item at a point of the picture, or −1.
  int itemAt(Point point) const;
  // The selectable item `step` (1 down, −1 up) from `from`, round the end; from −1 down is the first
  // and up the last. −1 when no item is selectable.
  int nextSelectable(int from, int step) const;
  // The first selectable item after `from` (round the end) whose access key is `key`, or −1; `unique`
  // tells whether it is the only one.
  int itemWithKey(char key, int from, bool& unique) const;
  // The menu with item `selected` highlighted (−1 for none).
  const Bitmap& paint(int selected);

 private:
  DrawnMenu& menu_;
  Rect bar_;
  Bitmap bitmap_;
  Canvas canvas_;
  std::vector<Rect> items_;
};

// The classic menu font.
Font menuFont();

}  // namespace lumaro::toolkit
