#include "platform/contract/memory_contract.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace lumaro::platform::contract {
namespace {

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(MemoryContract);

TEST_P(MemoryContract, StatusFiguresAreConsistent) {
  const MemoryStatus status = subject().memory().status();
  EXPECT_GT(status.totalPhysical, 0u);
  EXPECT_LE(status.memoryLoad, 100u);
  EXPECT_LE(status.availablePhysical, status.totalPhysical);
  EXPECT_LE(status.availablePageFile, status.totalPageFile);
  EXPECT_LE(status.availableVirtual, status.totalVirtual);
}

TEST_P(MemoryContract, CommittedBlocksAreWholeSeparateAndCanBeClaimedAgainOnceReleased) {
  Memory& memory = subject().memory();
  std::array<unsigned char*, 4> blocks{};
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    blocks[i] = static_cast<unsigned char*>(memory.commitBlock());
    ASSERT_NE(blocks[i], nullptr) << "block " << i;
    std::memset(blocks[i], static_cast<int>(0xA0 + i), Memory::kBlockSize);
  }
  // Every byte written stays: no block overlaps another.
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const auto expected = static_cast<unsigned char>(0xA0 + i);
    EXPECT_TRUE(std::all_of(blocks[i], blocks[i] + Memory::kBlockSize,
                            [expected](unsigned char byte) { return byte == expected; }))
        << "block " << i;
  }
  for (unsigned char* block : blocks) memory.releaseBlock(block);

  void* again = memory.commitBlock();
  ASSERT_NE(again, nullptr);
  std::memset(again, 0x5A, Memory::kBlockSize);
  memory.releaseBlock(again);
}

TEST_P(MemoryContract, AMachineShortOfMemoryRefusesTheBlock) {
  if (!subject().makeScarce()) GTEST_SKIP() << "scarce memory cannot be arranged here";
  EXPECT_EQ(subject().memory().commitBlock(), nullptr);
}

}  // namespace
}  // namespace lumaro::platform::contract
