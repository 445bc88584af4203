#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "toolkit/drawing/raster.h"

namespace lumaro::toolkit::raster {

namespace {

void plot(Bitmap& bitmap, int x, int y, std::uint32_t pixel) {
  if (x >= 0 && y >= 0 && x < bitmap.width() && y < bitmap.height()) bitmap.setPixel(x, y, pixel);
}

// a / b to the nearest integer, an exact half rounded down (a >= 0, b > 0).
long long nearest(long long a, long long b) {
  return (2 * a + b - 1) / (2 * b);
}

}  // namespace

void thinLine(Bitmap& bitmap, Point from, Point to, std::uint32_t pixel) {
  const long long dx = std::llabs(static_cast<long long>(to.x) - from.x);
  const long long dy = std::llabs(static_cast<long long>(to.y) - from.y);
  const int sx = to.x < from.x ? -1 : 1;
  const int sy = to.y < from.y ? -1 : 1;
  const bool xMajor = dx >= dy;
  const long long steps = xMajor ? dx : dy;
  const long long minor = xMajor ? dy : dx;
  // Only the steps whose major coordinate falls inside the bitmap can draw anything.
  const int start = xMajor ? from.x : from.y;
  const int sign = xMajor ? sx : sy;
  const long long extent = xMajor ? bitmap.width() : bitmap.height();
  long long first = 0, last = steps - 1;
  if (sign > 0) {
    first = std::max(first, -static_cast<long long>(start));
    last = std::min(last, extent - 1 - start);
  } else {
    first = std::max(first, static_cast<long long>(start) - (extent - 1));
    last = std::min(last, static_cast<long long>(start));
  }
  for (long long i = first; i <= last; ++i) {
    const long long along = nearest(i * minor, steps);
    if (xMajor) {
      plot(bitmap, static_cast<int>(from.x + sx * i), static_cast<int>(from.y + sy * along), pixel);
    } else {
      plot(bitmap, static_cast<int>(from.x + sx * along), static_cast<int>(from.y + sy * i), pixel);
    }
  }
}

void wideLine(Bitmap& bitmap, Point from, Point to, int width, std::uint32_t pixel) {
  const double radius = width / 2.0;
  const double offset = width % 2 == 0 ? 0.5 : 0.0;
  const int reach = static_cast<int>(std::ceil(radius)) + 1;
  const int left = std::max(std::min(from.x, to.x) - reach, 0);
  const int right = std::min(std::max(from.x, to.x) + reach, bitmap.width() - 1);
  const int top = std::max(std::min(from.y, to.y) - reach, 0);
  const int bottom = std::min(std::max(from.y, to.y) + reach, bitmap.height() - 1);
  const double vx = to.x - from.x;
  const double vy = to.y - from.y;
  const double length2 = vx * vx + vy * vy;
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) {
      const double px = x + offset - from.x;
      const double py = y + offset - from.y;
      const double t = length2 > 0 ? std::clamp((px * vx + py * vy) / length2, 0.0, 1.0) : 0.0;
      const double ex = px - t * vx;
      const double ey = py - t * vy;
      if (ex * ex + ey * ey < radius * radius) bitmap.setPixel(x, y, pixel);
    }
  }
}

}  // namespace lumaro::toolkit::raster
