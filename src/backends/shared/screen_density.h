#pragma once
#include <cstdint>
#include <vector>

#include "toolkit/drawing/bitmap.h"
#include "toolkit/drawing/icon.h"

namespace lumaro::platform {

// How many device pixels a screen has to the inch, against the toolkit's logical pixels (96 to the
// inch). Coordinates are rounded to the nearest device pixel each on its own, so controls that touch
// in logical pixels still touch on the screen, and a device coordinate turned back gives the logical
// one it came from.
struct ScreenDensity {
  static constexpr int kLogicalDpi = 96;
  int dpi = kLogicalDpi;

  int toDevice(int logical) const;
  int toLogical(int device) const;
};

// The pixels (rows top to bottom) of a `width` × `height` picture at `toWidth` × `toHeight`, each new
// pixel the old one under its centre: no colours are mixed, so digits and edges stay sharp, and at a
// whole multiple every pixel becomes a square block of itself.
std::vector<std::uint32_t> nearestScaled(const std::vector<std::uint32_t>& pixels, int width, int height,
                                         int toWidth, int toHeight);
toolkit::Bitmap nearestScaled(const toolkit::Bitmap& bitmap, int toWidth, int toHeight);
toolkit::Icon nearestScaled(const toolkit::Icon& icon, int toWidth, int toHeight);

}  // namespace lumaro::platform
