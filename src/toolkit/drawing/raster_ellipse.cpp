#include <algorithm>
#include <cmath>
#include <numbers>

#include "toolkit/drawing/raster.h"

namespace lumaro::toolkit::raster {

namespace {

// The ellipse inscribed in a box, row by row. Pixel (x, y) covers [x, x + 1) × [y, y + 1), so its
// centre is (x + 0.5, y + 0.5); the box spans [left, right) × [top, bottom).
class EllipseRows {
 public:
  explicit EllipseRows(const Rect& box)
      : box_(box),
        cx_((box.left + box.right) / 2.0),
        cy_((box.top + box.bottom) / 2.0),
        rx_(box.width() / 2.0),
        ry_(box.height() / 2.0) {}

  double cx() const { return cx_; }
  double cy() const { return cy_; }

  // The first and last pixel of row y inside the ellipse; first > last for none.
  std::pair<int, int> row(int y) const {
    if (y < box_.top || y >= box_.bottom || rx_ <= 0 || ry_ <= 0) return {1, 0};
    const double dy = (y + 0.5 - cy_) / ry_;
    const double share = 1 - dy * dy;
    if (share < 0) return {1, 0};
    const double half = rx_ * std::sqrt(share);
    return {std::max(static_cast<int>(std::ceil(cx_ - half - 0.5)), box_.left),
            std::min(static_cast<int>(std::floor(cx_ + half - 0.5)), box_.right - 1)};
  }

  static bool inside(std::pair<int, int> span, int x) { return span.first <= x && x <= span.second; }

  // Calls visit(x, y, onRim) for every pixel of the ellipse inside the bitmap.
  template <class Visit>
  void forEach(const Bitmap& bitmap, Visit visit) const {
    for (int y = std::max(box_.top, 0); y < std::min(box_.bottom, bitmap.height()); ++y) {
      const auto above = row(y - 1), here = row(y), below = row(y + 1);
      for (int x = std::max(here.first, 0); x <= std::min(here.second, bitmap.width() - 1); ++x) {
        const bool rim = x == here.first || x == here.second || !inside(above, x) || !inside(below, x);
        visit(x, y, rim);
      }
    }
  }

 private:
  Rect box_;
  double cx_, cy_, rx_, ry_;
};

// The counter-clockwise angle on screen (y grows downwards), in [0, 2π).
double screenAngle(double dx, double dy) {
  const double a = std::atan2(-dy, dx);
  return a < 0 ? a + 2 * std::numbers::pi : a;
}

}  // namespace

void ellipse(Bitmap& bitmap, const Rect& box, std::optional<std::uint32_t> fill, std::uint32_t outline) {
  EllipseRows(box).forEach(bitmap, [&](int x, int y, bool rim) {
    if (rim) {
      bitmap.setPixel(x, y, outline);
    } else if (fill) {
      bitmap.setPixel(x, y, *fill);
    }
  });
}

void arc(Bitmap& bitmap, const Rect& box, Point start, Point end, std::uint32_t pixel) {
  const EllipseRows shape(box);
  const double from = screenAngle(start.x - shape.cx(), start.y - shape.cy());
  const double sweep =
      std::fmod(screenAngle(end.x - shape.cx(), end.y - shape.cy()) - from + 2 * std::numbers::pi,
                2 * std::numbers::pi);
  shape.forEach(bitmap, [&](int x, int y, bool rim) {
    if (!rim) return;
    const double at =
        std::fmod(screenAngle(x + 0.5 - shape.cx(), y + 0.5 - shape.cy()) - from + 2 * std::numbers::pi,
                  2 * std::numbers::pi);
    if (sweep == 0 || at <= sweep) bitmap.setPixel(x, y, pixel);
  });
}

}  // namespace lumaro::toolkit::raster
