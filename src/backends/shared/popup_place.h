#pragma once
#include "toolkit/drawing/geometry.h"

namespace lumaro::platform {

// Where a popup of `size` opened at the screen point `at` goes, in the work area `room` of the screen
// under that point: its top-left corner at the point, or, along an axis where it would reach past the
// work area, its far edge at the point instead, though never past the work area's near edge.
toolkit::Point popupPlace(toolkit::Point at, toolkit::Size size, const toolkit::Rect& room);

}  // namespace lumaro::platform
