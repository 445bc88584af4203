#pragma once
#include <cstddef>
#include <span>

#include "platform/processor_counters.h"

namespace lumaro::platform::win32 {

// The performance registry's title indexes of the processor object and its "% Processor Time"
// counter (an inverse timer: it counts idle time in 100 ns units).
inline constexpr unsigned kProcessorObjectIndex = 238;
inline constexpr unsigned kProcessorTimeCounterIndex = 6;

// Reads the processor object out of a performance data block (PERF_DATA_BLOCK and what follows it).
// Instance 0 of `out` is the "_Total" instance (the idle time averaged over the processors), then the
// processors in the block's order; `time` is the block's PerfTime100nSec. Every offset is checked
// against the block's size: a garbled block reads as one without the object.
void parsePerfData(std::span<const std::byte> block, ProcessorCounters& out);

}  // namespace lumaro::platform::win32
