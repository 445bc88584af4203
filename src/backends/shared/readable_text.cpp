#include "backends/shared/readable_text.h"

#include <cstdlib>

namespace lumaro::platform {

namespace {

// Brightness 0 .. 255 000, as the eye weighs the channels.
int brightness(toolkit::Color color) {
  const int red = static_cast<int>(color & 0xFF);
  const int green = static_cast<int>((color >> 8) & 0xFF);
  const int blue = static_cast<int>((color >> 16) & 0xFF);
  return 299 * red + 587 * green + 114 * blue;
}

// Less than a sixth of the range apart, text is hard to read.
constexpr int kLeastContrast = 255 * 1000 / 6;

int contrast(toolkit::Color a, toolkit::Color b) {
  return std::abs(brightness(a) - brightness(b));
}

}  // namespace

toolkit::Color readableText(toolkit::Color text, toolkit::Color background, toolkit::Color designed,
                            toolkit::Color fallback) {
  const int own = contrast(text, background);
  if (own >= kLeastContrast || contrast(text, designed) < kLeastContrast) return text;
  return contrast(fallback, background) > own ? fallback : text;
}

}  // namespace lumaro::platform
