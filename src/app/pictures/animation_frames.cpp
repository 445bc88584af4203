#include <array>
#include <cstdlib>

#include "app/pictures/tray_pictures.h"
#include "toolkit/drawing/color.h"

namespace lumaro::app {

using toolkit::Color;
using toolkit::rgb;

namespace {

// The module lies along the diagonal: u = x + y runs along it, v = x − y across it.
constexpr int kHalfWidth = 3;
constexpr int kFirstU = 3;
constexpr int kLastU = 27;
// Where the block's middle is in each frame: from the lower-right end up to the upper-left and back.
constexpr std::array<int, 9> kBlockAt{22, 19, 15, 11, 8, 11, 15, 19, 22};
constexpr int kBlockHalfLength = 2;

bool onModule(int x, int y) {
  const int u = x + y;
  return std::abs(x - y) <= kHalfWidth && u >= kFirstU && u <= kLastU;
}

bool onOutline(int x, int y) {
  return onModule(x, y) &&
         !(onModule(x - 1, y) && onModule(x + 1, y) && onModule(x, y - 1) && onModule(x, y + 1));
}

Color pixelColor(int x, int y, int blockAt) {
  const int u = x + y;
  const int v = std::abs(x - y);
  if (onOutline(x, y)) return rgb(123, 123, 123);
  if (onModule(x, y)) return std::abs(u - blockAt) <= kBlockHalfLength ? rgb(255, 0, 0) : toolkit::clBlack;
  // Pins stand out of both long edges every fourth step: gold at the edge, olive at the tip.
  const bool pinRow = u > kFirstU + 4 && u < kLastU - 4;
  if (pinRow && v == kHalfWidth + 1 && u % 4 == 0) return rgb(255, 255, 0);
  if (pinRow && v == kHalfWidth + 2 && (u - 1) % 4 == 0) return rgb(123, 123, 0);
  return toolkit::clBlack;
}

}  // namespace

std::vector<toolkit::Icon> animationFrames() {
  std::vector<toolkit::Icon> frames;
  for (int blockAt : kBlockAt) {
    toolkit::Bitmap frame(16, 16);
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) frame.setPixel(x, y, toolkit::toPixel(pixelColor(x, y, blockAt)));
    }
    frames.push_back(toolkit::Icon{std::move(frame), {}});
  }
  return frames;
}

}  // namespace lumaro::app
