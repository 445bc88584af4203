#include "toolkit/drawing/canvas.h"

#include <algorithm>

#include "toolkit/drawing/raster.h"
#include "toolkit/drawing/system_colors.h"

namespace lumaro::toolkit {

platform::TextFont textFontOf(const Font& font) {
  return {font.name, font.height, font.bold, font.italic, font.underline, font.angle};
}

namespace {

std::uint32_t pixelOf(Color color) {
  return toPixel(resolveColor(color));
}

// A one-pixel frame around l..r−1 × t..b−1, also for rectangles one pixel wide or tall.
void frame(Bitmap& bitmap, const Rect& rect, std::uint32_t pixel) {
  if (rect.left >= rect.right || rect.top >= rect.bottom) return;
  raster::fillRect(bitmap, {rect.left, rect.top, rect.right, rect.top + 1}, pixel);
  raster::fillRect(bitmap, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, pixel);
  raster::fillRect(bitmap, {rect.left, rect.top, rect.left + 1, rect.bottom}, pixel);
  raster::fillRect(bitmap, {rect.right - 1, rect.top, rect.right, rect.bottom}, pixel);
}

// Copies the pixels of `part` of `source` that `keep` (x, y in the source) accepts, `source`'s top left
// going to (x, y).
template <class Keep>
void copyWhere(Bitmap& target, const Rect& part, int x, int y, const Bitmap& source, Keep keep) {
  for (int sy = part.top; sy < part.bottom; ++sy) {
    for (int sx = part.left; sx < part.right; ++sx) {
      if (keep(sx, sy)) target.setPixel(x + sx, y + sy, source.pixel(sx, sy));
    }
  }
}

}  // namespace

void Canvas::reset(const Font& initialFont) {
  pen = Pen{};
  brush = Brush{};
  font = initialFont;
  penPos_ = {};
}

void Canvas::fillRect(const Rect& rect) {
  if (brush.style == BrushStyle::Solid) raster::fillRect(target_, rect, pixelOf(brush.color));
}

void Canvas::frameRect(const Rect& rect) {
  frame(target_, rect, pixelOf(brush.color));
}

void Canvas::rectangle(const Rect& rect) {
  if (rect.left >= rect.right || rect.top >= rect.bottom) return;
  fillRect(rect.inflated(-1));
  if (pen.width <= 1) {
    frame(target_, rect, pixelOf(pen.color));
    return;
  }
  const Point corners[] = {{rect.left, rect.top},
                           {rect.right - 1, rect.top},
                           {rect.right - 1, rect.bottom - 1},
                           {rect.left, rect.bottom - 1},
                           {rect.left, rect.top}};
  polyline(corners);
}

void Canvas::ellipse(const Rect& box) {
  const std::optional<std::uint32_t> fill =
      brush.style == BrushStyle::Solid ? std::optional(pixelOf(brush.color)) : std::nullopt;
  raster::ellipse(target_, box, fill, pixelOf(pen.color));
}

void Canvas::polygon(std::span<const Point> points) {
  if (points.empty()) return;
  if (brush.style == BrushStyle::Solid) raster::fillPolygon(target_, points, pixelOf(brush.color), scratch_);
  for (std::size_t i = 0; i < points.size(); ++i) line(points[i], points[(i + 1) % points.size()]);
}

void Canvas::polyline(std::span<const Point> points) {
  if (points.empty()) return;
  moveTo(points[0].x, points[0].y);
  for (const Point& p : points.subspan(1)) lineTo(p.x, p.y);
}

void Canvas::arc(const Rect& box, Point start, Point end) {
  raster::arc(target_, box, start, end, pixelOf(pen.color));
}

void Canvas::lineTo(int x, int y) {
  line(penPos_, {x, y});
  penPos_ = {x, y};
}

void Canvas::line(Point from, Point to) {
  if (pen.width <= 1) {
    raster::thinLine(target_, from, to, pixelOf(pen.color));
  } else {
    raster::wideLine(target_, from, to, pen.width, pixelOf(pen.color));
  }
}

Size Canvas::textExtent(std::string_view text) {
  const auto extent = text_.textExtent(textFontOf(font), text);
  return {extent.width, extent.height};
}

void Canvas::textOut(int x, int y, std::string_view text) {
  writeText(x, y, text, {0, 0, target_.width(), target_.height()});
}

void Canvas::textOut(int x, int y, std::string_view text, const Rect& clip) {
  writeText(x, y, text, clip);
}

void Canvas::drawText(const Rect& rect, std::string_view text, TextAlign align, bool centreVertically) {
  const Size size = textExtent(text);
  int x = rect.left;
  if (align == TextAlign::Center) x = rect.left + (rect.width() - size.width) / 2;
  if (align == TextAlign::Right) x = rect.right - size.width;
  const int y = centreVertically ? rect.top + (rect.height() - size.height) / 2 : rect.top;
  writeText(x, y, text, rect);
}

void Canvas::writeText(int x, int y, std::string_view text, const Rect& clip) {
  const Size size = textExtent(text);
  const Rect whole = font.angle == 90 ? Rect{x, y - size.width, x + size.height, y}
                                      : Rect{x, y, x + size.width, y + size.height};
  const Rect cell{std::max(whole.left, clip.left), std::max(whole.top, clip.top),
                  std::min(whole.right, clip.right), std::min(whole.bottom, clip.bottom)};
  if (cell.left < cell.right && cell.top < cell.bottom) fillRect(cell);
  text_.drawText({target_.pixels().data(), target_.width(), target_.height()},
                 {clip.left, clip.top, clip.right, clip.bottom}, x, y, text, textFontOf(font),
                 pixelOf(font.color));
}

Rect Canvas::visiblePart(int x, int y, const Bitmap& source) const {
  return {std::max(0, -x), std::max(0, -y), std::min(source.width(), target_.width() - x),
          std::min(source.height(), target_.height() - y)};
}

void Canvas::draw(int x, int y, const Bitmap& source) {
  const Rect part = visiblePart(x, y, source);
  for (int sy = part.top; sy < part.bottom && part.left < part.right; ++sy) {
    const auto from = source.pixels().begin() + static_cast<std::ptrdiff_t>(sy) * source.width();
    const auto to = target_.pixels().begin() + static_cast<std::ptrdiff_t>(y + sy) * target_.width() + x;
    std::copy(from + part.left, from + part.right, to + part.left);
  }
}

void Canvas::drawTransparent(int x, int y, const Bitmap& source, Color transparent) {
  const std::uint32_t skip = pixelOf(transparent);
  copyWhere(target_, visiblePart(x, y, source), x, y, source,
            [&](int sx, int sy) { return source.pixel(sx, sy) != skip; });
}

void Canvas::drawIcon(int x, int y, const Icon& icon) {
  copyWhere(target_, visiblePart(x, y, icon.image), x, y, icon.image,
            [&](int sx, int sy) { return !icon.isTransparent(sx, sy); });
}

}  // namespace lumaro::toolkit
