#include "backends/linux/system/dynamic_statistics.h"

namespace lumaro::platform::linuxos {

bool UnsupportedDynamicStatistics::start(std::uint32_t&) {
  return false;
}

bool UnsupportedDynamicStatistics::openData() {
  return false;
}

std::uint32_t UnsupportedDynamicStatistics::readUsage() {
  return 0;
}

void UnsupportedDynamicStatistics::closeData() {}

void UnsupportedDynamicStatistics::stop() {}

}  // namespace lumaro::platform::linuxos
