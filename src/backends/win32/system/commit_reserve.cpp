#include "backends/win32/system/commit_reserve.h"

#include <algorithm>

namespace lumaro::platform::win32 {

std::uint64_t commitReserve(const MemoryStatus& status) {
  constexpr std::uint64_t kMinimumReserve = std::uint64_t{64} << 20;
  return std::max(kMinimumReserve, status.totalPhysical / 20);
}

std::uint64_t blocksAboveReserve(const MemoryStatus& status) {
  const std::uint64_t reserve = commitReserve(status);
  return status.availablePageFile > reserve ? (status.availablePageFile - reserve) / Memory::kBlockSize : 0;
}

}  // namespace lumaro::platform::win32
