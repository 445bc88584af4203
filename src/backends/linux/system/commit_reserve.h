#pragma once
#include <cstdint>

#include "platform/memory.h"

namespace lumaro::platform::linuxos {

// The memory that commits must leave free below a total (physical memory, or a control group's limit):
// the larger of 64 MiB and 5 % of it, so that an optimization never drives anything into reclaim
// stalls or the OOM killer.
std::uint64_t reserveBelow(std::uint64_t total);

// The memory plus free swap that a commit must leave available: reserveBelow(total physical memory).
std::uint64_t commitReserve(const MemoryStatus& status);

// How many more blocks fit above the reserve. An unreadable status (all zeros) gives 0.
std::uint64_t blocksAboveReserve(const MemoryStatus& status);

// How many blocks may be committed on the strength of one reading that found room for `fitting`
// blocks before memory is read again: half of them, at most 32, so that a run reads memory once per
// 32 MiB while the machine has room, and at every block when it is close to the reserve.
std::uint64_t commitsBeforeRecheck(std::uint64_t fitting);

}  // namespace lumaro::platform::linuxos
