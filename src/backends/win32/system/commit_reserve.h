#pragma once
#include <cstdint>

#include "platform/memory.h"

namespace lumaro::platform::win32 {

// The commit room a run must leave to the rest of the machine: the larger of 64 MiB and 5 % of
// physical memory. Measured against the available page file (the commit limit left), because that is
// what runs out for every program at once: past it their allocations fail. Available physical memory
// is not the bound: a run exists to make the system move idle pages to the page file.
std::uint64_t commitReserve(const MemoryStatus& status);

// How many more blocks fit above the reserve. An unreadable status (all zeros) gives 0.
std::uint64_t blocksAboveReserve(const MemoryStatus& status);

}  // namespace lumaro::platform::win32
