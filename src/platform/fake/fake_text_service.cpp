#include "platform/fake/fake_text_service.h"

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
  const int left = std::max({clip.left, 0, x});
  const int right = std::min({clip.right, target.width, x + codePoints(text) * kGlyphWidth});
  const int top = std::max({clip.top, 0, y});
  const int bottom = std::min({clip.bottom, target.height, y + font.pixelHeight});
  for (int py = top; py < bottom; ++py) {
    for (int px = left; px < right; ++px) {
      if ((px - x) % kGlyphWidth != kGlyphWidth - 1) target.pixels[py * target.width + px] = rgb;
    }
  }
}

}  // namespace lumaro::platform::fake
