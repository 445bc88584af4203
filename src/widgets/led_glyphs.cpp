#include "widgets/led_glyphs.h"

#include "toolkit/drawing/canvas.h"

namespace lumaro::widgets {

using namespace toolkit;

namespace {

void drawBeveled(Canvas& canvas, int index, const GlyphStyle& s) {
  const int w = s.width, h = s.height, t = s.lineWidth, m = h / 2, half = (t + 2) / 2;
  const Point p[14] = {{0, 0},
                       {w - 1, 0},
                       {t + 1, t + 1},
                       {w - t - 2, t + 1},
                       {0, m},
                       {t + 1, m - half},
                       {w - t - 2, m - half},
                       {w - 1, m},
                       {t + 1, m + half},
                       {w - t - 2, m + half},
                       {0, h - 1},
                       {t + 1, h - t - 2},
                       {w - t - 2, h - t - 2},
                       {w - 1, h - 1}};
  struct Outline {
    int count;
    int points[6];
  };
  static constexpr Outline kSegments[kSegmentCount] = {
      {4, {0, 1, 3, 2}},   {4, {0, 2, 5, 4}},   {4, {1, 7, 6, 3}},    {6, {4, 5, 6, 7, 9, 8}},
      {4, {4, 8, 11, 10}}, {4, {7, 13, 12, 9}}, {4, {10, 11, 12, 13}}};
  for (int segment = 0; segment < kSegmentCount; ++segment) {
    canvas.brush.color = kLitSegments[index][segment] ? s.lit : s.unlit;
    Point outline[6];
    for (int i = 0; i < kSegments[segment].count; ++i) outline[i] = p[kSegments[segment].points[i]];
    canvas.polygon({outline, static_cast<std::size_t>(kSegments[segment].count)});
  }
}

void drawRectangular(Canvas& canvas, int index, const GlyphStyle& s) {
  const int w = s.width, h = s.height, t = s.lineWidth, m = h / 2;
  const Point lines[kSegmentCount][2] = {
      {{t, t / 2}, {w - t - 1, t / 2}},
      {{t / 2, 3 * t / 2}, {t / 2, m - t}},
      {{w - t / 2 - 1, 3 * t / 2}, {w - t / 2 - 1, m - t}},
      {{t, m}, {w - t, m}},
      {{t / 2, m + t}, {t / 2, h - 3 * t / 2}},
      {{w - t / 2 - 1, m + t}, {w - t / 2 - 1, h - 3 * t / 2}},
      {{t, h - t / 2 - 1}, {w - t, h - t / 2 - 1}},
  };
  for (int segment = 0; segment < kSegmentCount; ++segment) {
    canvas.pen.color = kLitSegments[index][segment] ? s.lit : s.unlit;
    canvas.moveTo(lines[segment][0].x, lines[segment][0].y);
    canvas.lineTo(lines[segment][1].x, lines[segment][1].y);
  }
}

}  // namespace

void drawGlyph(Bitmap& glyph, platform::TextService& text, int index, const GlyphStyle& style) {
  glyph.setSize(style.width, style.height);
  Canvas canvas(glyph, text);
  canvas.pen = {style.background, 1};
  canvas.brush = {style.background, BrushStyle::Solid};
  canvas.rectangle({0, 0, style.width, style.height});
  if (style.segments == TSegmentStyle::ssRectangular) {
    canvas.pen.width = style.lineWidth;
    drawRectangular(canvas, index, style);
  } else {
    drawBeveled(canvas, index, style);
  }
}

}  // namespace lumaro::widgets
