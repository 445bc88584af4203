#include "backends/shared/spin_edit_decimals.h"

#include <cmath>

namespace lumaro::platform {

int decimalsOf(double increment) {
  int decimals = 0;
  for (double scaled = std::abs(increment); decimals < 6 && scaled != std::round(scaled); scaled *= 10) {
    ++decimals;
  }
  return decimals;
}

}  // namespace lumaro::platform
