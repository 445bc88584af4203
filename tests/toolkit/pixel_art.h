#pragma once
#include <map>
#include <string>
#include <vector>

#include "toolkit/drawing/bitmap.h"
#include "toolkit/drawing/color.h"
#include "toolkit/drawing/geometry.h"

namespace lumaro::toolkit::test {

// The colour (0x00BBGGRR) of a pixel.
inline Color colorAt(const Bitmap& bitmap, int x, int y) {
  return fromPixel(bitmap.pixel(x, y));
}

// A region of a bitmap as rows of characters, one per pixel, from a colour-to-character key; colours
// not in the key show as '?'. Shapes read at a glance in a failing expectation.
inline std::vector<std::string> art(const Bitmap& bitmap, const Rect& region,
                                    const std::map<Color, char>& key) {
  std::vector<std::string> rows;
  for (int y = region.top; y < region.bottom; ++y) {
    std::string row;
    for (int x = region.left; x < region.right; ++x) {
      const auto found = key.find(colorAt(bitmap, x, y));
      row += found == key.end() ? '?' : found->second;
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace lumaro::toolkit::test
