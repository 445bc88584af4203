#include "backends/win32/system/memory.h"

#include <gtest/gtest.h>

#include <cstring>

#include "backends/win32/system/commit_reserve.h"

namespace lumaro::platform::win32 {
namespace {

constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;

TEST(CommitReserve, CommitsStopAtTheLargerOf64MiBAndFivePerCentOfPhysicalMemory) {
  EXPECT_EQ(commitReserve(MemoryStatus{.totalPhysical = 512 * kMiB}), 64 * kMiB);
  EXPECT_EQ(commitReserve(MemoryStatus{.totalPhysical = 16384 * kMiB}), 16384 * kMiB / 20);
  // Measured against the commit room left, not against free physical memory.
  EXPECT_EQ(blocksAboveReserve(MemoryStatus{.totalPhysical = 512 * kMiB,
                                            .availablePhysical = 10 * kMiB,
                                            .availablePageFile = 100 * kMiB + kMiB / 2}),
            36u);
  EXPECT_EQ(blocksAboveReserve(MemoryStatus{.totalPhysical = 512 * kMiB, .availablePageFile = 64 * kMiB}),
            0u);
  EXPECT_EQ(blocksAboveReserve(MemoryStatus{}), 0u);
}

TEST(Win32Memory, StatusIsConsistentAndABlockCanBeWrittenAndReleased) {
  Win32Memory memory;
  const MemoryStatus status = memory.status();
  EXPECT_GT(status.totalPhysical, 0u);
  EXPECT_LE(status.availablePhysical, status.totalPhysical);
  EXPECT_LE(status.availablePageFile, status.totalPageFile);
  EXPECT_LE(status.memoryLoad, 100u);

  void* block = memory.commitBlock();
  ASSERT_NE(block, nullptr);
  std::memset(block, 0xA5, Memory::kBlockSize);
  EXPECT_EQ(static_cast<unsigned char*>(block)[Memory::kBlockSize - 1], 0xA5);
  memory.releaseBlock(block);
}

}  // namespace
}  // namespace lumaro::platform::win32
