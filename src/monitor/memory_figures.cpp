#include "monitor/memory_figures.h"

#include <charconv>
#include <cmath>

namespace lumaro::monitor {

bool plausible(const platform::MemoryStatus& status) {
  return status.totalPhysical > 0 && status.availablePhysical <= status.totalPhysical &&
         status.availablePageFile <= status.totalPageFile && status.memoryLoad <= 100;
}

std::string memoryLoadText(const platform::MemoryStatus& status) {
  return std::to_string(status.memoryLoad) + "%";
}

namespace {

std::string twoDecimals(double value, const std::string& decimalSeparator) {
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  std::string text(buffer, ec == std::errc{} ? end : buffer);
  if (auto dot = text.find('.'); dot != std::string::npos) text.replace(dot, 1, decimalSeparator);
  return text;
}

}  // namespace

std::string freeAmountText(std::uint64_t available, std::uint64_t total,
                           const std::string& decimalSeparator) {
  const long double mib = static_cast<long double>(available) / 1024 / 1024;
  const long double percent =
      total == 0 ? 0.0L
                 : std::trunc(static_cast<long double>(available) / static_cast<long double>(total) * 100);
  return twoDecimals(static_cast<double>(mib), decimalSeparator) + "M (" +
         std::to_string(static_cast<long long>(percent)) + "%)";
}

}  // namespace lumaro::monitor
