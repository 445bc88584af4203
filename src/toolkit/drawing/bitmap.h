#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

namespace lumaro::toolkit {

// 32-bit pixels, 0x00RRGGBB, rows top to bottom.
class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, std::uint32_t fill = 0)
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return pixels_.empty(); }
  // A new size, reusing the storage when it is large enough (no allocation when the size is the same);
  // what the pixels hold afterwards is unspecified. Negative sizes count as 0.
  void setSize(int width, int height) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    pixels_.resize(static_cast<std::size_t>(width_) * height_);
  }
  std::uint32_t pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  void setPixel(int x, int y, std::uint32_t value) {
    pixels_[static_cast<std::size_t>(y) * width_ + x] = value;
  }
  const std::vector<std::uint32_t>& pixels() const { return pixels_; }
  std::vector<std::uint32_t>& pixels() { return pixels_; }

  bool operator==(const Bitmap&) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace lumaro::toolkit
