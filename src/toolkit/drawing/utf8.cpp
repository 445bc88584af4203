#include "toolkit/drawing/utf8.h"

#include <array>

namespace lumaro::toolkit {

std::size_t decodeUtf8(std::string_view text, std::size_t i, char32_t& out) {
  constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 0;
  if (lead < 0x80) {
    out = lead;
    return 1;
  }
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  out = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) return 0;
    out = (out << 6) | (next & 0x3F);
  }
  if (out < kSmallest[length] || out > 0x10FFFF || (out >= 0xD800 && out <= 0xDFFF)) return 0;
  return length;
}

}  // namespace lumaro::toolkit
