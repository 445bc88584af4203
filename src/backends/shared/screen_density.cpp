#include "backends/shared/screen_density.h"

#include <cmath>

namespace lumaro::platform {

int ScreenDensity::toDevice(int logical) const {
  return static_cast<int>(std::lround(static_cast<double>(logical) * dpi / kLogicalDpi));
}

int ScreenDensity::toLogical(int device) const {
  return static_cast<int>(std::lround(static_cast<double>(device) * kLogicalDpi / dpi));
}

namespace {

// For every new column (or row), the old one under its centre.
std::vector<int> sourceIndices(int from, int to) {
  std::vector<int> indices(static_cast<std::size_t>(to));
  for (int i = 0; i < to; ++i) {
    indices[static_cast<std::size_t>(i)] =
        static_cast<int>((2 * static_cast<std::int64_t>(i) + 1) * from / (2 * static_cast<std::int64_t>(to)));
  }
  return indices;
}

template <class Pixel>
std::vector<Pixel> scaled(const std::vector<Pixel>& pixels, int width, int height, int toWidth,
                          int toHeight) {
  if (width <= 0 || height <= 0 || toWidth <= 0 || toHeight <= 0) return {};
  const std::vector<int> columns = sourceIndices(width, toWidth);
  const std::vector<int> rows = sourceIndices(height, toHeight);
  std::vector<Pixel> out;
  out.reserve(static_cast<std::size_t>(toWidth) * toHeight);
  for (int row : rows) {
    const std::size_t line = static_cast<std::size_t>(row) * width;
    for (int column : columns) out.push_back(pixels[line + column]);
  }
  return out;
}

}  // namespace

std::vector<std::uint32_t> nearestScaled(const std::vector<std::uint32_t>& pixels, int width, int height,
                                         int toWidth, int toHeight) {
  return scaled(pixels, width, height, toWidth, toHeight);
}

toolkit::Bitmap nearestScaled(const toolkit::Bitmap& bitmap, int toWidth, int toHeight) {
  toolkit::Bitmap out(toWidth, toHeight);
  out.pixels() = scaled(bitmap.pixels(), bitmap.width(), bitmap.height(), toWidth, toHeight);
  if (out.pixels().empty()) return {};
  return out;
}

toolkit::Icon nearestScaled(const toolkit::Icon& icon, int toWidth, int toHeight) {
  toolkit::Icon out{nearestScaled(icon.image, toWidth, toHeight), {}};
  if (!icon.transparent.empty() && !out.image.empty()) {
    out.transparent = scaled(icon.transparent, icon.image.width(), icon.image.height(), toWidth, toHeight);
  }
  return out;
}

}  // namespace lumaro::platform
