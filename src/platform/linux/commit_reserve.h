#pragma once
#include <cstdint>

#include "platform/memory.h"

namespace lumaro::platform::linuxos {

// The memory plus free swap that a commit must leave available: the larger of 64 MiB and 5 % of
// physical memory, so that an optimization never drives the machine into the OOM killer.
std::uint64_t commitReserve(const MemoryStatus& status);

// True when one more block still leaves the reserve available. An unreadable status (all zeros) refuses.
bool commitAllowed(const MemoryStatus& status);

}  // namespace lumaro::platform::linuxos
