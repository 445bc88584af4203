#include "backends/win32/system/memory.h"

#include <gtest/gtest.h>

#include <cstring>

namespace lumaro::platform::win32 {
namespace {

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
