#include "toolkit/core/accessible.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lumaro::toolkit {

std::string accessibleNumber(double value, int decimals, char separator) {
  if (!std::isfinite(value)) return {};
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", std::clamp(decimals, 0, 18), value);
  std::string result = text;
  // "-0" says nothing "0" does not.
  if (result.find_first_not_of("-0.") == std::string::npos && result.front() == '-') result.erase(0, 1);
  if (const auto point = result.find('.'); point != std::string::npos) result[point] = separator;
  return result;
}

AccessibleRange wholeRange(int current, int minimum, int maximum) {
  return {static_cast<double>(current), static_cast<double>(minimum), static_cast<double>(maximum)};
}

}  // namespace lumaro::toolkit
