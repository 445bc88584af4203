#include "backends/fake/fake_text_service.h"

#include <algorithm>

namespace lumaro::platform::fake {

namespace {
int codePoints(std::string_view text) {
  // Continuation bytes (10xxxxxx) do not start a character.
  return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}
}  // namespace

TextExtent FakeTextService::textExtent(const TextFont& font, std::string_view text) {
  return {codePoints(text) * kGlyphWidth, font.pixelHeight};
}

void FakeTextService::drawText(PixelTarget target, PixelRect clip, int x, int y, std::string_view text,
                               const TextFont& font, std::uint32_t rgb) {
  const int length = codePoints(text) * kGlyphWidth;
  const bool upward = font.angle == 90;
  // (u, v): along the text and down its cell.
  for (int v = 0; v < font.pixelHeight; ++v) {
    const bool underlined = font.underline && v == font.pixelHeight - 1;
    for (int u = 0; u < length; ++u) {
      if (!underlined && u % kGlyphWidth == kGlyphWidth - 1) continue;
      const int px = upward ? x + v : x + u;
      const int py = upward ? y - u - 1 : y + v;
      if (px < std::max(clip.left, 0) || px >= std::min(clip.right, target.width)) continue;
      if (py < std::max(clip.top, 0) || py >= std::min(clip.bottom, target.height)) continue;
      target.pixels[py * target.width + px] = rgb;
    }
  }
}

}  // namespace lumaro::platform::fake
