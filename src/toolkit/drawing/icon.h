#pragma once
#include <cstdint>
#include <vector>

#include "toolkit/drawing/bitmap.h"
#include "toolkit/drawing/color.h"

namespace lumaro::toolkit {

// A picture with a transparency mask, as tray icons and image lists hold them.
struct Icon {
  Bitmap image;
  std::vector<std::uint8_t> transparent;  // one entry per pixel, 1 = see-through; empty = all opaque

  bool empty() const { return image.empty(); }
  bool isTransparent(int x, int y) const {
    return !transparent.empty() && transparent[static_cast<std::size_t>(y) * image.width() + x] != 0;
  }
  bool operator==(const Icon&) const = default;

  // Every pixel of `maskColor` (0x00RRGGBB) becomes transparent.
  static Icon masked(Bitmap image, std::uint32_t maskColor) {
    Icon icon{std::move(image), {}};
    icon.transparent.resize(icon.image.pixels().size());
    for (std::size_t i = 0; i < icon.transparent.size(); ++i) {
      icon.transparent[i] = icon.image.pixels()[i] == maskColor ? 1 : 0;
    }
    return icon;
  }
};

}  // namespace lumaro::toolkit
