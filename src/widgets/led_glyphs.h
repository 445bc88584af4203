#pragma once
#include <array>

#include "platform/text_service.h"
#include "toolkit/drawing/bitmap.h"
#include "toolkit/drawing/color.h"

namespace lumaro::widgets {

enum class TSegmentStyle { ssRectangular, ssBeveled };

inline constexpr int kGlyphCount = 11;  // the digits 0 to 9 and the minus sign
inline constexpr int kMinusGlyph = 10;
inline constexpr int kSegmentCount = 7;

// Which segments each glyph lights, in the order top, upper left, upper right, middle, lower left,
// lower right, bottom.
inline constexpr std::array<std::array<bool, kSegmentCount>, kGlyphCount> kLitSegments{{
    {1, 1, 1, 0, 1, 1, 1},  // 0
    {0, 0, 1, 0, 0, 1, 0},  // 1
    {1, 0, 1, 1, 1, 0, 1},  // 2
    {1, 0, 1, 1, 0, 1, 1},  // 3
    {0, 1, 1, 1, 0, 1, 0},  // 4
    {1, 1, 0, 1, 0, 1, 1},  // 5
    {0, 1, 0, 1, 1, 1, 1},  // 6: no top
    {1, 0, 1, 0, 0, 1, 0},  // 7: no upper left
    {1, 1, 1, 1, 1, 1, 1},  // 8
    {1, 1, 1, 1, 0, 1, 1},  // 9: with its bottom
    {0, 0, 0, 1, 0, 0, 0},  // minus
}};

struct GlyphStyle {
  int width;
  int height;
  int lineWidth;
  TSegmentStyle segments;
  toolkit::Color background;
  toolkit::Color lit;
  toolkit::Color unlit;
};

// Draws one glyph into `glyph`, sized to the style: the background, then the seven segments, lit or
// unlit, as bevelled polygons outlined in the background colour or as thick round-ended lines.
void drawGlyph(toolkit::Bitmap& glyph, platform::TextService& text, int index, const GlyphStyle& style);

}  // namespace lumaro::widgets
