#pragma once
#include <cstdint>

#include "platform/processor_counters.h"
#include "platform/system_resources.h"

namespace lumaro::platform::win32 {

// The NT family has no dynamic statistics of the 95/98/Me kind (its processor figures come from the
// performance counters) and no 16-bit system resources: both answer "unavailable".
class NtDynamicStatistics : public DynamicStatistics {
 public:
  bool start(std::uint32_t&) override { return false; }
  bool openData() override { return false; }
  std::uint32_t readUsage() override { return 0; }
  void closeData() override {}
  void stop() override {}
};

class NtSystemResources : public SystemResources {
 public:
  bool open() override { return false; }
  int freePercent(int) override { return -1; }
  void close() override {}
};

}  // namespace lumaro::platform::win32
