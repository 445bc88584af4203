#include "platform/linux/commit_reserve.h"

#include <algorithm>

namespace lumaro::platform::linuxos {

namespace {

constexpr std::uint64_t kMinimumReserve = std::uint64_t{64} << 20;

}  // namespace

std::uint64_t commitReserve(const MemoryStatus& status) {
  return std::max(kMinimumReserve, status.totalPhysical / 20);
}

bool commitAllowed(const MemoryStatus& status) {
  // availablePageFile is MemAvailable + SwapFree.
  return status.availablePageFile >= commitReserve(status) + Memory::kBlockSize;
}

}  // namespace lumaro::platform::linuxos
