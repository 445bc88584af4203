#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include "platform/text_service.h"

namespace lumaro::platform::win32 {

// The GDI font a text font stands for: its pixel height is the characters' height (without internal
// leading), and glyphs are drawn without antialiasing, as the classic desktop draws them. The native
// controls take the same font, so that what the text service measured is what they show. The caller
// deletes it.
HFONT createGdiFont(const TextFont& font);

// How far the ink of a line drawn with the font selected into `dc` runs past its advance width: the
// overhang of a slanted or bold last glyph and of a synthesized style. A box as wide as the advance
// cuts that off (a colon's dot, the stem of an "l").
int inkOverhang(HDC dc, std::wstring_view text);

// Text through GDI without antialiasing (NONANTIALIASED_QUALITY), as the classic desktop draws it.
// Fonts are made once per family, height and style, and drawing goes through one 32-bit DIB section
// that grows to the largest target seen.
class GdiTextService : public TextService {
 public:
  GdiTextService();
  ~GdiTextService() override;
  GdiTextService(const GdiTextService&) = delete;
  GdiTextService& operator=(const GdiTextService&) = delete;

  TextExtent textExtent(const TextFont& font, std::string_view text) override;
  void drawText(PixelTarget target, PixelRect clip, int x, int y, std::string_view text, const TextFont& font,
                std::uint32_t rgb) override;

 private:
  using FontKey = std::tuple<std::string, int, bool, bool, bool, int>;

  HFONT fontFor(const TextFont& font);
  // A canvas at least `width` × `height`, selected into the memory DC.
  std::uint32_t* canvas(int width, int height);

  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ initialBitmap_ = nullptr;
  HGDIOBJ initialFont_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  std::map<FontKey, HFONT> fonts_;
};

}  // namespace lumaro::platform::win32
