#include <algorithm>
#include <cmath>

#include "toolkit/drawing/raster.h"

namespace lumaro::toolkit::raster {

void fillRect(Bitmap& bitmap, const Rect& rect, std::uint32_t pixel) {
  const int left = std::max(rect.left, 0);
  const int right = std::min(rect.right, bitmap.width());
  const int top = std::max(rect.top, 0);
  const int bottom = std::min(rect.bottom, bitmap.height());
  if (left >= right) return;
  auto& pixels = bitmap.pixels();
  for (int y = top; y < bottom; ++y) {
    const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y) * bitmap.width();
    std::fill(row + left, row + right, pixel);
  }
}

void fillPolygon(Bitmap& bitmap, std::span<const Point> points, std::uint32_t pixel,
                 std::vector<double>& scratch) {
  if (points.size() < 3) return;
  const auto [low, high] =
      std::minmax_element(points.begin(), points.end(), [](Point a, Point b) { return a.y < b.y; });
  const int top = std::max(low->y, 0);
  const int bottom = std::min(high->y, bitmap.height());
  for (int y = top; y < bottom; ++y) {
    scratch.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const Point a = points[i];
      const Point b = points[(i + 1) % points.size()];
      // Half-open in y, so that a vertex shared by two edges is counted once and a bottom edge never.
      if ((a.y <= y && y < b.y) || (b.y <= y && y < a.y)) {
        scratch.push_back(a.x + static_cast<double>(y - a.y) * (b.x - a.x) / (b.y - a.y));
      }
    }
    std::sort(scratch.begin(), scratch.end());
    for (std::size_t i = 0; i + 1 < scratch.size(); i += 2) {
      const int left = static_cast<int>(std::ceil(scratch[i]));
      const int right = static_cast<int>(std::ceil(scratch[i + 1]));
      fillRect(bitmap, {left, y, right, y + 1}, pixel);
    }
  }
}

}  // namespace lumaro::toolkit::raster
