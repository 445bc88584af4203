#pragma once
#include <string>
#include <vector>

#include "platform/processor_counters.h"

namespace lumaro::platform::linuxos {

// Processor counters over /proc/stat (under procRoot(), resolved at construction). Read twice a
// second, so the file buffer is kept and a steady state allocates nothing.
class ProcProcessorPerformance : public ProcessorPerformance {
 public:
  ProcProcessorPerformance();

  void read(ProcessorCounters& out) override;

 private:
  std::string statPath_;
  long clockTicksPerSecond_;
  std::vector<char> buffer_;
};

}  // namespace lumaro::platform::linuxos
