#include "backends/shared/commit_reserve.h"

#include <gtest/gtest.h>

namespace lumaro::platform {
namespace {

constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;

TEST(CommitReserve, IsTheLargerOf64MiBAndFivePercentOfPhysicalMemory) {
  EXPECT_EQ(commitReserve(MemoryStatus{.totalPhysical = 512 * kMiB}), 64 * kMiB);
  EXPECT_EQ(commitReserve(MemoryStatus{.totalPhysical = 64 * 1024 * kMiB}), 64 * 1024 * kMiB / 20);
  EXPECT_EQ(reserveBelow(100 * kMiB), 64 * kMiB);
  EXPECT_EQ(reserveBelow(2048 * kMiB), 2048 * kMiB / 20);
}

TEST(CommitReserve, AllowsCommitsOnlyWhileTheReserveStaysAvailable) {
  MemoryStatus status{.totalPhysical = 512 * kMiB, .availablePageFile = 64 * kMiB + Memory::kBlockSize};
  EXPECT_EQ(blocksAboveReserve(status), 1u);
  status.availablePageFile -= 1;
  EXPECT_EQ(blocksAboveReserve(status), 0u);
  EXPECT_EQ(blocksAboveReserve(MemoryStatus{}), 0u);
  // Measured against the commit room left, not against free physical memory.
  EXPECT_EQ(blocksAboveReserve(MemoryStatus{.totalPhysical = 512 * kMiB,
                                            .availablePhysical = 10 * kMiB,
                                            .availablePageFile = 100 * kMiB + kMiB / 2}),
            36u);
}

TEST(CommitReserve, MemoryIsReadAtEveryBlockCloseToTheReserveAndOncePer32WithRoom) {
  EXPECT_EQ(commitsBeforeRecheck(0), 0u);
  EXPECT_EQ(commitsBeforeRecheck(1), 1u);
  EXPECT_EQ(commitsBeforeRecheck(10), 5u);
  EXPECT_EQ(commitsBeforeRecheck(8000), 32u);
}

}  // namespace
}  // namespace lumaro::platform
