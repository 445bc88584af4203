#include "backends/shared/commit_reserve.h"

#include <algorithm>

namespace lumaro::platform {

namespace {

constexpr std::uint64_t kMinimumReserve = std::uint64_t{64} << 20;

}  // namespace

std::uint64_t reserveBelow(std::uint64_t total) {
  return std::max(kMinimumReserve, total / 20);
}

std::uint64_t commitReserve(const MemoryStatus& status) {
  return reserveBelow(status.totalPhysical);
}

std::uint64_t blocksAboveReserve(const MemoryStatus& status) {
  const std::uint64_t reserve = commitReserve(status);
  return status.availablePageFile > reserve ? (status.availablePageFile - reserve) / Memory::kBlockSize : 0;
}

std::uint64_t commitsBeforeRecheck(std::uint64_t fitting) {
  return fitting == 0 ? 0 : std::clamp<std::uint64_t>(fitting / 2, 1, 32);
}

}  // namespace lumaro::platform
