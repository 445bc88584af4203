#pragma once
#include <array>

namespace lumaro::widgets {

// The characters of an LED display for a value: the value as fixed-point text with `fractionDigits`
// decimals and 18 significant digits (exponent form from 1e18 on; nothing for a value that cannot be
// formatted), its decimal separator taken out, and zeros in front up to `numDigits` characters.
class DisplayText {
 public:
  DisplayText(long double value, int fractionDigits, int numDigits);

  // The character at 1-based position p; ' ' past the end.
  char at(int position) const;
  // The 1-based position of the character that followed the separator; 0 for none.
  int separator() const { return separator_; }

  bool operator==(const DisplayText&) const = default;

 private:
  std::array<char, 64> text_{};
  int length_ = 0;
  int pad_ = 0;
  int separator_ = 0;
};

}  // namespace lumaro::widgets
