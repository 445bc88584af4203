#include "monitor/memory_figures.h"

#include <cmath>

namespace lumaro::monitor {

namespace {
constexpr std::uint64_t kMiB = 1024 * 1024;
}  // namespace

bool plausible(const platform::MemoryStatus& status) {
  return status.totalPhysical >= kMiB && status.availablePhysical <= status.totalPhysical &&
         status.availablePageFile <= status.totalPageFile && status.memoryLoad <= 100;
}

std::string memoryLoadText(const platform::MemoryStatus& status) {
  return std::to_string(status.memoryLoad) + "%";
}

namespace {

// Bytes as mebibytes with two decimals, an exact half rounded away from zero as everyday rounding
// does (x.125 shows x.13). Whole integers: a byte count is an exact binary fraction of a mebibyte.
std::string twoDecimals(std::uint64_t bytes, const std::string& decimalSeparator) {
  std::uint64_t whole = bytes / kMiB;
  std::uint64_t hundredths = ((bytes % kMiB) * 100 + kMiB / 2) / kMiB;
  if (hundredths == 100) {
    ++whole;
    hundredths = 0;
  }
  return std::to_string(whole) + decimalSeparator + (hundredths < 10 ? "0" : "") + std::to_string(hundredths);
}

}  // namespace

std::string freeAmountText(std::uint64_t available, std::uint64_t total,
                           const std::string& decimalSeparator) {
  const long double percent =
      total == 0 ? 0.0L
                 : std::trunc(static_cast<long double>(available) / static_cast<long double>(total) * 100);
  return twoDecimals(available, decimalSeparator) + "M (" + std::to_string(static_cast<long long>(percent)) +
         "%)";
}

}  // namespace lumaro::monitor
