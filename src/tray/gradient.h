#pragma once
#include "toolkit/drawing/bitmap.h"
#include "toolkit/drawing/color.h"

namespace lumaro::tray {

enum class TGradientStyle { gsHorizontal, gsVertical, gsDiagonalLeftRight, gsDiagonalRightLeft };

// Fills the whole bitmap with a gradient from colour `from` to colour `to` (system colours allowed), by
// the bar menu's rule: per channel, horizontally from + x × (to − from) div width, vertically the same
// by rows, diagonally from + k × (to − from) div 1024 with k = Trunc((y ÷ height + x ÷ width) × 512)
// (x mirrored from the right for right-to-left). Every division truncates toward zero.
void GradientFill(toolkit::Bitmap& bitmap, toolkit::Color from, toolkit::Color to, TGradientStyle style);

}  // namespace lumaro::tray
