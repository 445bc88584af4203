#include "toolkit/drawing/text.h"

#include "toolkit/drawing/utf8.h"

namespace lumaro::toolkit {

namespace {

// The small letter of a capital; every other character as it is. Dotted and dotless i, whose cases
// depend on the language, keep theirs.
char32_t smallLetter(char32_t c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  if (c == 0x178) return 0xFF;  // Ÿ
  // Latin Extended-A pairs each capital with the small letter after it: on even code points in these
  // runs, on odd ones in the others.
  if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c | 1;
  if (((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) && c % 2 == 1) return c + 1;
  return c;
}

// A value no character has, for a byte that starts no valid sequence.
constexpr char32_t kStrayByte = 0x110000;

// The character at `i`, folded, and `i` moved past it.
char32_t nextFolded(std::string_view text, std::size_t& i) {
  char32_t c = 0;
  const std::size_t length = decodeUtf8(text, i, c);
  if (length == 0) return kStrayByte + static_cast<unsigned char>(text[i++]);
  i += length;
  return smallLetter(c);
}

}  // namespace

bool sameText(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t k = 0;
  while (i < a.size() && k < b.size()) {
    if (nextFolded(a, i) != nextFolded(b, k)) return false;
  }
  return i == a.size() && k == b.size();
}

std::string intToStr(long long value) {
  return std::to_string(value);
}

}  // namespace lumaro::toolkit
