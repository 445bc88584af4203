#pragma once
#include "toolkit/drawing/icon.h"

namespace lumaro::app {

// The title bar's 16 × 16 minimize glyph: a raised grey caption button with a black bar at its foot.
toolkit::Icon minimizeGlyph();

}  // namespace lumaro::app
