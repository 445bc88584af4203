#include "toolkit/drawing/text.h"

#include <algorithm>

namespace lumaro::toolkit {

namespace {
char lowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

bool sameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::string intToStr(long long value) {
  return std::to_string(value);
}

}  // namespace lumaro::toolkit
