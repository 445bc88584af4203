#pragma once
#include <cstdint>

#include "platform/processor_counters.h"

namespace lumaro::platform::linuxos {

// Linux has no ready-made processor percentage of that kind; the program reads /proc/stat instead.
class UnsupportedDynamicStatistics : public DynamicStatistics {
 public:
  bool start(std::uint32_t& usage) override;
  bool openData() override;
  std::uint32_t readUsage() override;
  void closeData() override;
  void stop() override;
};

}  // namespace lumaro::platform::linuxos
