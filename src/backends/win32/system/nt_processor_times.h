#pragma once
#include <cstdint>
#include <vector>

#include "platform/processor_counters.h"

namespace lumaro::platform::win32 {

// Per-processor idle, kernel (idle included) and user time in 100 ns units, as the kernel's
// processor performance information gives them.
struct ProcessorTimes {
  std::int64_t idle = 0;
  std::int64_t kernel = 0;
  std::int64_t user = 0;
};

// Turns the processors' times into counters of the performance object's shape: instance 0 is the
// idle time averaged over the processors, then each processor's own; the time stamp is the busy plus
// idle time averaged over the processors, so that one processor's load comes out as it would against
// the clock. No processors reads as no object.
void countersFromTimes(const std::vector<ProcessorTimes>& times, ProcessorCounters& out);

// NtQuerySystemInformation(SystemProcessorPerformanceInformation) from ntdll, loaded at run time (it is
// not in the import libraries). The buffer is kept, so a steady state allocates nothing.
class NtProcessorTimes {
 public:
  NtProcessorTimes();

  // False when the call is missing or fails.
  bool read(std::vector<ProcessorTimes>& times);

 private:
  using Query = long(__stdcall*)(int, void*, unsigned long, unsigned long*);
  Query query_ = nullptr;
  std::vector<std::byte> buffer_;
};

}  // namespace lumaro::platform::win32
