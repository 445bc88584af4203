#include "tray/narrow_figures.h"

#include <algorithm>
#include <array>

namespace lumaro::tray::narrow {

namespace {

constexpr int kGlyphWidth = 3;
constexpr std::size_t kLineLength = 3;

using Glyph = std::array<const char*, kGlyphHeight>;

// Each glyph's top four rows already tell it apart: the second line of a four-digit figure may sit
// on a level picture's dark edge.
constexpr std::array<Glyph, 10> kDigits{{
    {"###", "#.#", "#.#", "#.#", "###"},
    {".#.", "##.", ".#.", ".#.", "###"},
    {"###", "..#", "###", "#..", "###"},
    {"###", "..#", ".##", "..#", "###"},
    {"#.#", "#.#", "###", "..#", "..#"},
    {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"},
    {"###", "..#", "..#", "..#", "..#"},
    {"###", "#.#", "###", "#.#", "###"},
    {"###", "#.#", "###", "..#", "###"},
}};
constexpr Glyph kG{".##", "#..", "#.#", "#.#", ".##"};

constexpr int kSide = 16;
constexpr int kLineGap = 1;
// The line's top rows, as the 9-pixel figure's digits stand: one line in the middle of a level
// picture's face, two lines from the top down to the level box's edge.
constexpr int kOneLineTop = 4;
constexpr int kTwoLinesTop = 0;

const Glyph* glyphOf(char c) {
  if (c >= '0' && c <= '9') return &kDigits[static_cast<std::size_t>(c - '0')];
  if (c == 'G') return &kG;
  return nullptr;
}

int lineWidth(std::size_t characters) {
  return static_cast<int>(characters) * (kGlyphWidth + 1) - 1;
}

void drawLine(toolkit::Bitmap& picture, std::string_view line, int top, std::uint32_t pixel) {
  // Centred on the picture, the odd pixel to the right as the 9-pixel figure leans.
  int left = (kSide - lineWidth(line.size()) + 1) / 2;
  for (const char c : line) {
    const Glyph& glyph = *glyphOf(c);
    for (int y = 0; y < kGlyphHeight; ++y) {
      for (int x = 0; x < kGlyphWidth; ++x) {
        if (glyph[static_cast<std::size_t>(y)][x] == '#') picture.setPixel(left + x, top + y, pixel);
      }
    }
    left += kGlyphWidth + 1;
  }
}

}  // namespace

bool canDraw(std::string_view text) {
  return !text.empty() && text.size() <= 2 * kLineLength &&
         std::all_of(text.begin(), text.end(), [](char c) { return glyphOf(c) != nullptr; });
}

void draw(toolkit::Bitmap& picture, std::string_view text, std::uint32_t pixel) {
  if (!canDraw(text) || picture.width() < kSide || picture.height() < kSide) return;
  if (text.size() <= kLineLength) {
    drawLine(picture, text, kOneLineTop, pixel);
    return;
  }
  const std::size_t first = (text.size() + 1) / 2;
  drawLine(picture, text.substr(0, first), kTwoLinesTop, pixel);
  drawLine(picture, text.substr(first), kTwoLinesTop + kGlyphHeight + kLineGap, pixel);
}

}  // namespace lumaro::tray::narrow
