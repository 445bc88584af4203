#include "tray/gradient.h"

#include <algorithm>

#include "toolkit/drawing/system_colors.h"

namespace lumaro::tray {

namespace {

// The pixel `from` + step × (`to` − `from`) div steps, channel by channel.
std::uint32_t between(toolkit::Color from, toolkit::Color to, int step, int steps) {
  const auto channel = [&](int shift) {
    const int a = static_cast<int>((from >> shift) & 0xFF);
    const int b = static_cast<int>((to >> shift) & 0xFF);
    return static_cast<std::uint32_t>(a + step * (b - a) / steps) << shift;
  };
  return toolkit::toPixel(channel(0) | channel(8) | channel(16));
}

}  // namespace

void GradientFill(toolkit::Bitmap& bitmap, toolkit::Color from, toolkit::Color to, TGradientStyle style) {
  const toolkit::Color a = toolkit::resolveColor(from);
  const toolkit::Color b = toolkit::resolveColor(to);
  const int w = bitmap.width();
  const int h = bitmap.height();
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      std::uint32_t pixel = 0;
      switch (style) {
        case TGradientStyle::gsHorizontal:
          pixel = between(a, b, x, w);
          break;
        case TGradientStyle::gsVertical:
          pixel = between(a, b, y, h);
          break;
        case TGradientStyle::gsDiagonalLeftRight:
        case TGradientStyle::gsDiagonalRightLeft: {
          const int across = style == TGradientStyle::gsDiagonalLeftRight ? x : w - 1 - x;
          const auto k =
              static_cast<int>((static_cast<double>(y) / h + static_cast<double>(across) / w) * 512);
          pixel = between(a, b, k, 1024);
          break;
        }
      }
      bitmap.setPixel(x, y, pixel);
    }
  }
}

}  // namespace lumaro::tray
