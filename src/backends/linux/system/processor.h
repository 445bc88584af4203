#pragma once
#include "backends/linux/system/proc_file.h"
#include "platform/processor_counters.h"

namespace lumaro::platform::linuxos {

// Processor counters over /proc/stat (under procRoot(), resolved at construction). Read twice a
// second, so the file stays open and a steady state allocates nothing.
class ProcProcessorPerformance : public ProcessorPerformance {
 public:
  // A stat holds a line per processor and one count per interrupt: tens of kilobytes on a large
  // server. One over this bound is garbled and reads as no processor at all.
  static constexpr std::size_t kStatLimit = 1 << 20;

  ProcProcessorPerformance();

  void read(ProcessorCounters& out) override;

 private:
  ProcFile stat_;
  long clockTicksPerSecond_;
};

}  // namespace lumaro::platform::linuxos
