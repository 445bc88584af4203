#include "tray/menu_bar.h"

#include <cmath>

namespace lumaro::tray {

namespace {

using toolkit::Rect;

// Copies `source` with its top left at (x, y) into the part of the canvas inside `clip`, leaving out
// the pixels of the picture's bottom-left colour when it is transparent.
void drawPicture(toolkit::Canvas& canvas, const Rect& clip, int x, int y, const TBcBarPicture& picture) {
  const toolkit::Bitmap& source = picture.Picture;
  toolkit::Bitmap& target = canvas.bitmap();
  const bool transparent = picture.Transparent;
  const std::uint32_t skip = source.pixel(0, source.height() - 1);
  const int left = std::max({clip.left, x, 0});
  const int right = std::min({clip.right, x + source.width(), target.width()});
  const int top = std::max({clip.top, y, 0});
  const int bottom = std::min({clip.bottom, y + source.height(), target.height()});
  for (int ty = top; ty < bottom; ++ty) {
    for (int tx = left; tx < right; ++tx) {
      const std::uint32_t pixel = source.pixel(tx - x, ty - y);
      if (!transparent || pixel != skip) target.setPixel(tx, ty, pixel);
    }
  }
}

// Round half to even, as the bar has always placed its caption.
int roundEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

void drawCaption(toolkit::Canvas& canvas, const Rect& rect, const TBcBarCaption& caption) {
  if (caption.Caption.empty()) return;
  canvas.font = caption.Font;
  canvas.font.angle = 90;
  canvas.brush.style = toolkit::BrushStyle::Clear;
  const toolkit::Size extent = canvas.textExtent(caption.Caption);  // length along the text, thickness
  const int x = rect.left + roundEven((rect.width() - extent.height) / 2.0 - 0.5);
  const int y = rect.top + roundEven((rect.height() + extent.width) / 2.0 - 0.5);
  const auto copy = [&](toolkit::Color color, int dx, int dy) {
    if (color == toolkit::clNone) return;
    canvas.font.color = color;
    canvas.textOut(x + dx, y + dy, caption.Caption, rect);
  };
  copy(caption.HighlightColor, -caption.Depth, caption.Depth);
  copy(caption.ShadowColor, caption.Depth, -caption.Depth);
  copy(caption.Font.color, 0, 0);
}

}  // namespace

void DrawBar(toolkit::Canvas& canvas, const Rect& rect, const TBcBar& bar, toolkit::Bitmap& scratch) {
  const TBcBarPicture& back = bar.BarBackPicture;
  if (back.Transparent || back.Picture.empty()) {
    scratch.setSize(rect.width(), rect.height());
    GradientFill(scratch, bar.GradientStart, bar.GradientEnd, bar.GradientStyle);
    canvas.draw(rect.left, rect.top, scratch);
  }
  if (!back.Picture.empty()) {
    for (int y = 0; y < rect.height(); y += back.Picture.height()) {
      for (int x = 0; x < rect.width(); x += back.Picture.width())
        drawPicture(canvas, rect, rect.left + x, rect.top + y, back);
    }
  }
  if (bar.Border != toolkit::clNone) {
    canvas.brush.color = bar.Border;
    canvas.frameRect(rect);
  }
  const toolkit::Bitmap& picture = bar.BarPicture.Picture;
  if (!picture.empty()) {
    drawPicture(canvas, rect, rect.left + (rect.width() - picture.width()) / 2,
                rect.bottom - picture.height(), bar.BarPicture);
  }
  drawCaption(canvas, rect, bar.BarCaption);
}

}  // namespace lumaro::tray
