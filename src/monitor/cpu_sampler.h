#pragma once
#include <cstdint>
#include <vector>

#include "platform/processor_counters.h"
#include "platform/system_info.h"

namespace lumaro::monitor {

// Processor load between the last two samples. On the NT family (and Linux) it turns cumulative
// idle-time counters into a fraction; on the 95/98/Me family it reads a ready percentage. Errors are
// toolkit errors with fixed messages; a failing call leaves the sampler as it was.
class CpuSampler {
 public:
  // Reads the platform version once; throws "Can't get the Windows version" when that fails.
  CpuSampler(platform::SystemInfo& systemInfo, platform::ProcessorPerformance& processor,
             platform::DynamicStatistics& dynamicStatistics);
  ~CpuSampler();
  CpuSampler(const CpuSampler&) = delete;
  CpuSampler& operator=(const CpuSampler&) = delete;

  void TakeCpuSample();
  // 0 = idle, 1 = fully busy, for processor instance `index` (0 = the whole machine).
  double CpuLoad(int index);

  int CpuInstanceCount() const { return instanceCount_; }

 private:
  void takeNtSample();
  void take9xSample();

  platform::ProcessorPerformance& processor_;
  platform::DynamicStatistics& dynamicStatistics_;
  bool nt_;
  // NT path: counters start at zero, so the first figure is the average load since the counters began.
  platform::ProcessorCounters reading_;
  int instanceCount_ = -1;
  std::vector<std::int64_t> current_;
  std::vector<std::int64_t> previous_;
  std::int64_t currentTime_ = 0;
  std::int64_t previousTime_ = 0;
  // 95/98/Me path.
  bool started_ = false;
  std::uint32_t usage_ = 0;
};

// A load fraction as a whole percentage, an exact half going to the even neighbour (0.125 → 12).
int loadPercent(double fraction);

}  // namespace lumaro::monitor
