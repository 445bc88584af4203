#include "widgets/led_display_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace lumaro::widgets {

DisplayText::DisplayText(long double value, int fractionDigits, int numDigits) {
  char* const first = text_.data();
  if (std::isfinite(value)) {
    const auto result =
        std::abs(value) < 1e18L
            ? std::to_chars(first, first + text_.size(), value, std::chars_format::fixed,
                            std::max(fractionDigits, 0))
            : std::to_chars(first, first + text_.size(), value, std::chars_format::scientific, 17);
    if (result.ec == std::errc()) length_ = static_cast<int>(result.ptr - first);
  }
  char* const last = first + length_;
  char* const dot = std::find(first, last, '.');
  if (dot != last) {
    separator_ = static_cast<int>(dot - first) + 1;
    std::copy(dot + 1, last, dot);
    --length_;
  }
  pad_ = std::max(0, numDigits - length_);
  if (separator_ > 0) separator_ += pad_;
}

char DisplayText::at(int position) const {
  if (position <= pad_) return '0';
  const int index = position - pad_ - 1;
  return index < length_ ? text_[index] : ' ';
}

}  // namespace lumaro::widgets
