#pragma once
#include "platform/text_service.h"

namespace lumaro::platform::fake {

// Text of fixed metrics, so that tests need no fonts: every character (UTF-8 code point) is a cell
// kGlyphWidth wide and the font's character height tall, drawn as a filled box one pixel narrower.
// Underlined text also fills the cell's bottom row; text at 90 degrees is the same picture turned.
class FakeTextService : public TextService {
 public:
  static constexpr int kGlyphWidth = 6;

  TextExtent textExtent(const TextFont& font, std::string_view text) override;
  void drawText(PixelTarget target, PixelRect clip, int x, int y, std::string_view text, const TextFont& font,
                std::uint32_t rgb) override;
};

}  // namespace lumaro::platform::fake
