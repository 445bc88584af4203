#pragma once
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/text_service.h"
#include "toolkit/drawing/bitmap.h"
#include "toolkit/drawing/color.h"
#include "toolkit/drawing/font.h"
#include "toolkit/drawing/geometry.h"
#include "toolkit/drawing/icon.h"

namespace lumaro::toolkit {

// The text service's view of a font.
platform::TextFont textFontOf(const Font& font);

struct Pen {
  Color color = clBlack;
  int width = 1;  // 0 draws as 1
};

enum class BrushStyle { Solid, Clear };

struct Brush {
  Color color = clWhite;
  BrushStyle style = BrushStyle::Solid;
};

enum class TextAlign { Left, Center, Right };

// Draws on a bitmap with the classic desktop's conventions: a line excludes its end point,
// rectangle(l, t, r, b) outlines l..r−1 × t..b−1 and fills inside with the brush, fillRect fills
// l..r−1 × t..b−1; ellipses and polygons are outlined with the pen and filled with the brush. Pens wider
// than one pixel draw lines with round ends (and include the end point). Colours may be system colours.
// Text goes through the platform's text service.
class Canvas {
 public:
  Canvas(Bitmap& target, platform::TextService& text) : target_(target), text_(text) {}

  Pen pen;
  Brush brush;
  Font font;

  Bitmap& bitmap() { return target_; }
  // A black one-pixel pen at (0, 0), a solid white brush and `initialFont`.
  void reset(const Font& initialFont);

  void fillRect(const Rect& rect);
  // A one-pixel frame around l..r−1 × t..b−1 in the brush colour.
  void frameRect(const Rect& rect);
  void rectangle(const Rect& rect);
  void ellipse(const Rect& box);
  void polygon(std::span<const Point> points);
  // Lines through the points in turn; the last point is excluded as lineTo excludes it.
  void polyline(std::span<const Point> points);
  // A counter-clockwise arc of the ellipse in `box`, from the direction of `start` to that of `end`.
  // Ellipses and arcs are outlined one pixel wide whatever the pen width.
  void arc(const Rect& box, Point start, Point end);
  void moveTo(int x, int y) { penPos_ = {x, y}; }
  void lineTo(int x, int y);
  Point penPos() const { return penPos_; }

  // One line of text in the font's colour, the top left of its cell at (x, y); with a solid brush the
  // cell is filled first. Text at 90 degrees runs upward from (x, y), its cell to the right of x.
  void textOut(int x, int y, std::string_view text);
  // The same, changing only pixels inside `clip`.
  void textOut(int x, int y, std::string_view text, const Rect& clip);
  // One line of text placed in `rect` by `align`, at the top or centred vertically, clipped to `rect`.
  void drawText(const Rect& rect, std::string_view text, TextAlign align, bool centreVertically);
  Size textExtent(std::string_view text);

  // Copies a bitmap with its top left at (x, y): all of it, or all but the pixels of `transparent`.
  void draw(int x, int y, const Bitmap& source);
  void drawTransparent(int x, int y, const Bitmap& source, Color transparent);
  // Copies the icon's opaque pixels with its top left at (x, y).
  void drawIcon(int x, int y, const Icon& icon);

 private:
  void line(Point from, Point to);
  void writeText(int x, int y, std::string_view text, const Rect& clip);
  // The part of `source` (in its own coordinates) that lands on the target when drawn at (x, y).
  Rect visiblePart(int x, int y, const Bitmap& source) const;

  Bitmap& target_;
  platform::TextService& text_;
  Point penPos_;
  std::vector<double> scratch_;
};

}  // namespace lumaro::toolkit
