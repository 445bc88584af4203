#pragma once
#include <string_view>

#include "platform/processor_counters.h"

namespace lumaro::platform::linuxos {

// The processor counters in a /proc/stat text, in 100 ns units. Instance 0 is the `cpu` line, instances
// 1..n the `cpuN` lines in file order (lines too short to hold an idle field are skipped). The idle
// counter is idle + iowait; the time stamp is the `cpu` line's total over the number of processors, and
// instance 0's idle is averaged over them too, so that 1 − Δidle/Δtime is the load of the instance.
// Reuses `out.idle`'s storage. Without a `cpu` line (or with clockTicksPerSecond ≤ 0) objectFound is false.
void parseStat(std::string_view text, long clockTicksPerSecond, ProcessorCounters& out);

}  // namespace lumaro::platform::linuxos
