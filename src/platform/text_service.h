#pragma once
#include <cstdint>
#include <string_view>

namespace lumaro::platform {

// A font as text drawing needs it. `family` is a classic family name ("Arial", "Tahoma", "MS Sans Serif");
// the service maps it to what the system has.
struct TextFont {
  std::string_view family;
  int pixelHeight = 11;  // character height in pixels
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int angle = 0;  // 0, or 90 for text running upward
};

struct TextExtent {
  int width = 0;
  int height = 0;
  bool operator==(const TextExtent&) const = default;
};

// A picture to draw into: 32-bit pixels 0x00RRGGBB, `width` per row, rows top to bottom.
struct PixelTarget {
  std::uint32_t* pixels;
  int width;
  int height;
};

// A rectangle of pixels, right and bottom exclusive.
struct PixelRect {
  int left;
  int top;
  int right;
  int bottom;
};

// Measures and draws single lines of UTF-8 text, without antialiasing, as the classic desktop does.
class TextService {
 public:
  virtual ~TextService() = default;

  // The advance width of the text and the height of the font's character cell (ascent plus descent),
  // measured along the text whatever its angle.
  virtual TextExtent textExtent(const TextFont& font, std::string_view text) = 0;

  // Draws the glyphs in one colour (0x00RRGGBB) with the top left of the text's cell at (x, y), over
  // what is there; only pixels inside `clip` (and the target) change, and they keep 0 in the top byte.
  // Text at 90 degrees is the same cell turned counter-clockwise about (x, y): it runs upward from y,
  // and its cell covers x .. x + height and y − width .. y.
  virtual void drawText(PixelTarget target, PixelRect clip, int x, int y, std::string_view text,
                        const TextFont& font, std::uint32_t rgb) = 0;
};

}  // namespace lumaro::platform
