#pragma once
#include <cstdint>
#include <string_view>

#include "toolkit/drawing/bitmap.h"

namespace lumaro::tray {

// A pixel font of our own for tray figures too wide for the tray's text font: digits and "G", each
// 3 × 5 pixels with a blank column between characters. Up to three characters stand in one line,
// longer texts in two lines (the first taking the larger half), so that "23G" and "1536" stand whole
// in a 16 × 16 picture with its edge columns clear.
namespace narrow {

inline constexpr int kGlyphHeight = 5;

// Whether the font has every character of the text and the text fits its two lines.
bool canDraw(std::string_view text);

// Draws the text in one colour (0x00RRGGBB), centred in a 16 × 16 picture; nothing when canDraw is
// false.
void draw(toolkit::Bitmap& picture, std::string_view text, std::uint32_t pixel);

}  // namespace narrow
}  // namespace lumaro::tray
