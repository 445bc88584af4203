#include "widgets/rounding.h"

#include <cmath>

namespace lumaro::widgets {

long long roundHalfEven(long double value) {
  const long double below = std::floor(value);
  const long double rest = value - below;
  const auto whole = static_cast<long long>(below);
  if (rest < 0.5L) return whole;
  if (rest > 0.5L) return whole + 1;
  return whole % 2 == 0 ? whole : whole + 1;
}

}  // namespace lumaro::widgets
