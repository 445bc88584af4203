#pragma once
#include <cstdint>

#include "platform/memory.h"

namespace lumaro::platform {

// The memory that commits must leave free below a total (physical memory, or a control group's limit):
// the larger of 64 MiB and 5 % of it, so that an optimization never drives anything into reclaim
// stalls, the OOM killer or failed allocations.
std::uint64_t reserveBelow(std::uint64_t total);

// The commit room a run must leave to the rest of the machine: reserveBelow(total physical memory).
// Measured against the available page file (on Linux, available memory plus free swap; on Windows,
// the commit limit left), because that is what runs out for every program at once. Available physical
// memory is not the bound: a run exists to make the system move idle pages out of it.
std::uint64_t commitReserve(const MemoryStatus& status);

// How many more blocks fit above the reserve. An unreadable status (all zeros) gives 0.
std::uint64_t blocksAboveReserve(const MemoryStatus& status);

// Where reading memory is costly: how many blocks may be committed on the strength of one reading that
// found room for `fitting` blocks before memory is read again. Half of them, at most 32, so that a run
// reads memory once per 32 MiB while the machine has room, and at every block when it is close to the
// reserve.
std::uint64_t commitsBeforeRecheck(std::uint64_t fitting);

}  // namespace lumaro::platform
