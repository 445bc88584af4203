#pragma once
#include <cstdint>

#include "platform/memory.h"

namespace lumaro::app::test {

// The machine the program tests run on: 512 MB of memory at 40 % load, a 1 GB page file, and
// `freeMegabytes` of memory free (the page file has 256 MB more).
inline platform::MemoryStatus smallMachineWithFree(std::uint64_t freeMegabytes) {
  constexpr std::uint64_t kMiB = 1024 * 1024;
  return {.memoryLoad = 40,
          .totalPhysical = 512 * kMiB,
          .availablePhysical = freeMegabytes * kMiB,
          .totalPageFile = 1024 * kMiB,
          .availablePageFile = (freeMegabytes + 256) * kMiB};
}

}  // namespace lumaro::app::test
