#include "monitor/cpu_sampler.h"

#include <cmath>

#include "toolkit/core/error.h"

namespace lumaro::monitor {

using toolkit::Error;

CpuSampler::CpuSampler(platform::SystemInfo& systemInfo, platform::ProcessorPerformance& processor,
                       platform::DynamicStatistics& dynamicStatistics)
    : processor_(processor), dynamicStatistics_(dynamicStatistics) {
  const auto family = systemInfo.platformFamily();
  if (!family) throw Error("Can't get the Windows version");
  nt_ = *family == platform::kFamilyNt;
}

CpuSampler::~CpuSampler() {
  if (nt_ || !started_) return;
  started_ = false;
  dynamicStatistics_.closeData();
  dynamicStatistics_.stop();
}

void CpuSampler::TakeCpuSample() {
  if (nt_) {
    takeNtSample();
  } else {
    take9xSample();
  }
}

void CpuSampler::takeNtSample() {
  processor_.read(reading_);
  if (!reading_.objectFound) throw Error("Unable to locate the \"Processor\" performance object");
  if (instanceCount_ == -1) {
    instanceCount_ = static_cast<int>(reading_.idle.size());
    current_.assign(instanceCount_, 0);
    previous_.assign(instanceCount_, 0);
  }
  if (!reading_.idleCounterFound) throw Error("Unable to locate the \"% of CPU usage\" performance counter");
  for (int i = 0; i < instanceCount_; ++i) {
    previous_[i] = current_[i];
    // A processor that went away keeps its last counter rather than reading past the sample.
    if (i < static_cast<int>(reading_.idle.size())) current_[i] = reading_.idle[i];
  }
  previousTime_ = currentTime_;
  currentTime_ = reading_.time;
}

void CpuSampler::take9xSample() {
  if (!started_) {
    if (!dynamicStatistics_.start(usage_)) throw Error("Unable to start performance monitoring");
    if (!dynamicStatistics_.openData()) throw Error("Unable to read performance data");
    started_ = true;
  }
  usage_ = dynamicStatistics_.readUsage();
}

double CpuSampler::CpuLoad(int index) {
  if (!nt_) {
    if (index != 0) throw Error("CPU index out of bounds");
    if (!started_) TakeCpuSample();
    return usage_ / 100.0;
  }
  if (instanceCount_ < 0) TakeCpuSample();
  if (index < 0 || index >= instanceCount_) throw Error("CPU index out of bounds");
  if (currentTime_ == previousTime_) return 0;
  return 1.0 - static_cast<double>(current_[index] - previous_[index]) /
                   static_cast<double>(currentTime_ - previousTime_);
}

int loadPercent(double fraction) {
  return static_cast<int>(std::nearbyint(fraction * 100));
}

}  // namespace lumaro::monitor
