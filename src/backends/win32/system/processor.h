#pragma once
#include <cstddef>
#include <vector>

#include "backends/win32/system/nt_processor_times.h"
#include "platform/processor_counters.h"

namespace lumaro::platform::win32 {

// Processor counters from the performance registry (HKEY_PERFORMANCE_DATA, object "238"). When that
// answers without a processor object (Wine answers with no objects at all), the kernel's processor
// times serve instead, from then on: switching sources between two readings would put counters of
// two time bases into one load figure.
class Win32ProcessorPerformance : public ProcessorPerformance {
 public:
  // The answer's size is unknown until it fits: grow by this much per retry, up to the limit.
  static constexpr std::size_t kInitialBuffer = 8192;
  static constexpr std::size_t kGrowth = 4096;
  static constexpr std::size_t kBufferLimit = 16u << 20;

  ~Win32ProcessorPerformance() override;

  void read(ProcessorCounters& out) override;

  // Whether the kernel's times have taken over.
  bool usingFallback() const { return useFallback_; }

 private:
  bool readPerformanceData(ProcessorCounters& out);
  void readFallback(ProcessorCounters& out);

  std::vector<std::byte> buffer_ = std::vector<std::byte>(kInitialBuffer);
  bool useFallback_ = false;
  NtProcessorTimes ntTimes_;
  std::vector<ProcessorTimes> times_;
};

}  // namespace lumaro::platform::win32
