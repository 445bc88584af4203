#pragma once
#include "toolkit/controls/simple_controls.h"
#include "toolkit/drawing/canvas.h"

namespace lumaro::widgets {

// The one-pixel 3-D edge of the LED widgets around `rect`: shadow at the top and left and highlight at
// the bottom and right when lowered, the other way round when raised; nothing for Bevel::None.
void drawLedBevel(toolkit::Canvas& canvas, const toolkit::Rect& rect, toolkit::Bevel style);

}  // namespace lumaro::widgets
