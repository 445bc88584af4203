#pragma once
#include <cstdint>

#include "platform/memory.h"

namespace lumaro::platform::linuxos {

// The memory plus free swap that a commit must leave available: the larger of 64 MiB and 5 % of
// physical memory, so that an optimization never drives the machine into the OOM killer.
std::uint64_t commitReserve(const MemoryStatus& status);

// How many more blocks fit above the reserve. An unreadable status (all zeros) gives 0.
std::uint64_t blocksAboveReserve(const MemoryStatus& status);

// How many blocks may be committed on the strength of this one reading before memory is read again:
// half of what fits above the reserve, at most 32, so that a run reads /proc/meminfo once per 32 MiB
// while the machine has room, and at every block when it is close to the reserve.
std::uint64_t commitsBeforeRecheck(const MemoryStatus& status);

}  // namespace lumaro::platform::linuxos
