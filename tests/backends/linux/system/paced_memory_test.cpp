#include "backends/linux/system/paced_memory.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>

#include "backends/linux/system/scoped_env.h"

namespace lumaro::platform::linuxos {
namespace {

using std::chrono::milliseconds;
using testing::ScopedEnv;

// Hands out the same block every time and counts what passes through.
class CountingMemory : public Memory {
 public:
  MemoryStatus status() override { return {.memoryLoad = 12}; }
  void* commitBlock() override {
    ++commits;
    return block.data();
  }
  void releaseBlock(void*) override { ++releases; }

  std::array<char, 1> block{};
  int commits = 0;
  int releases = 0;
};

TEST(PacedMemory, EveryCommitWaitsThePauseAndTheRestPassesThrough) {
  CountingMemory inner;
  PacedMemory paced(inner, milliseconds(20));
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(paced.commitBlock(), inner.block.data());
  EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(60));
  paced.releaseBlock(inner.block.data());
  EXPECT_EQ(paced.status().memoryLoad, 12u);
  EXPECT_EQ(inner.commits, 3);
  EXPECT_EQ(inner.releases, 1);
}

TEST(PacedMemory, ThePauseComesFromTheEnvironmentWithinSaneBounds) {
  const auto pauseFor = [](const char* value) {
    ScopedEnv env("LUMARO_COMMIT_PAUSE_MS", value);
    return PacedMemory::pauseFromEnvironment();
  };
  EXPECT_EQ(pauseFor(nullptr), milliseconds(0));
  EXPECT_EQ(pauseFor("5"), milliseconds(5));
  EXPECT_EQ(pauseFor("1000"), milliseconds(1000));
  for (const char* bad : {"", "0", "-3", "1001", "5ms", "x", "99999999999"})
    EXPECT_EQ(pauseFor(bad), milliseconds(0)) << bad;
}

}  // namespace
}  // namespace lumaro::platform::linuxos
