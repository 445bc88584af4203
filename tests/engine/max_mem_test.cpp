#include "engine/max_mem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "backends/fake/fake_memory.h"
#include "toolkit/core/error.h"

namespace lumaro::engine {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// Records the engine's events as a readable trace.
struct Recorder {
  explicit Recorder(TMaxMem& mm) {
    mm.OnBeforeDefrag = [this](toolkit::Component&) { events.push_back("before"); };
    mm.OnProgress = [this](toolkit::Component&, int p) { progress.push_back(p); };
    mm.OnAfterDefrag = [this, &mm](toolkit::Component&) {
      events.push_back("after");
      busyAtEnd = mm.busy();
    };
  }
  std::vector<std::string> events;
  std::vector<int> progress;
  bool busyAtEnd = true;
};

class MaxMemTest : public ::testing::Test {
 protected:
  MaxMemTest() {
    memory.setStatus({.memoryLoad = 50, .totalPhysical = 512ull << 20, .availablePhysical = 200ull << 20});
  }
  platform::fake::FakeMemory memory;
};

TEST_F(MaxMemTest, EmptyCountsFireStartAndEndOnly) {
  TMaxMem mm(nullptr, memory);
  Recorder rec(mm);
  mm.Defrag(0);
  mm.Defrag(-5);
  EXPECT_THAT(rec.events, ElementsAre("before", "after", "before", "after"));
  EXPECT_TRUE(rec.progress.empty());
  EXPECT_TRUE(memory.commits().empty());
}

TEST_F(MaxMemTest, ProgressSeriesFollowsRoundedShares) {
  TMaxMem mm(nullptr, memory);
  Recorder rec(mm);
  mm.Defrag(1);
  EXPECT_THAT(rec.progress, ElementsAre(50, 100));

  rec.progress.clear();
  mm.Defrag(10);
  std::vector<int> fives;
  for (int p = 5; p <= 100; p += 5) fives.push_back(p);
  EXPECT_THAT(rec.progress, ElementsAreArray(fives));

  rec.progress.clear();
  mm.Defrag(500);
  ASSERT_EQ(rec.progress.size(), 1000u);
  // Exact halves go to the even neighbour: 0 five times, then 1 nine times.
  EXPECT_EQ(std::count(rec.progress.begin(), rec.progress.end(), 0), 5);
  EXPECT_EQ(std::count(rec.progress.begin(), rec.progress.end(), 1), 9);
  EXPECT_EQ(rec.progress[499], 50);
  EXPECT_EQ(rec.progress.back(), 100);
  EXPECT_EQ(memory.held(), 0u);
}

TEST_F(MaxMemTest, LargeCountIsCappedAtOneGibibyte) {
  TMaxMem mm(nullptr, memory);
  Recorder rec(mm);
  mm.Defrag(2000);
  EXPECT_EQ(memory.commits().size(), 1024u);
  EXPECT_EQ(memory.releases(), memory.commits());  // released in ascending order
  EXPECT_EQ(rec.progress.size(), 2048u);
  EXPECT_EQ(rec.progress.back(), 100);
  EXPECT_FALSE(rec.busyAtEnd);
}

TEST_F(MaxMemTest, EveryByteOfEveryBlockIsWritten) {
  // A block that arrives dirty must leave the claim phase zeroed.
  std::vector<std::vector<unsigned char>> seen;
  TMaxMem mm(nullptr, memory);
  mm.OnProgress = [&](toolkit::Component&, int p) {
    if (p > 50 || memory.held() == 0) return;
    auto* bytes = static_cast<unsigned char*>(memory.commits().back());
    seen.emplace_back(bytes, bytes + platform::Memory::kBlockSize);
  };
  mm.Defrag(2);
  ASSERT_EQ(seen.size(), 2u);
  for (const auto& block : seen)
    EXPECT_EQ(std::count(block.begin(), block.end(), 0), static_cast<long>(block.size()));
}

TEST_F(MaxMemTest, CancelDuringClaimReleasesWhatIsHeld) {
  TMaxMem mm(nullptr, memory);
  Recorder rec(mm);
  mm.OnProgress = [&](toolkit::Component&, int p) {
    rec.progress.push_back(p);
    if (rec.progress.size() == 3) mm.Cancel();
  };
  mm.Defrag(10);
  EXPECT_THAT(rec.progress, ElementsAre(5, 10, 15));
  EXPECT_EQ(memory.commits().size(), 3u);
  EXPECT_EQ(memory.releases(), memory.commits());
  EXPECT_THAT(rec.events, ElementsAre("before", "after"));
  EXPECT_FALSE(rec.busyAtEnd);
}

TEST_F(MaxMemTest, CancelDuringReleaseStillReleasesEverything) {
  TMaxMem mm(nullptr, memory);
  Recorder rec(mm);
  mm.OnProgress = [&](toolkit::Component&, int p) {
    rec.progress.push_back(p);
    if (p == 60) mm.Cancel();
  };
  mm.Defrag(10);
  EXPECT_EQ(rec.progress.back(), 60);
  EXPECT_EQ(memory.held(), 0u);
  EXPECT_EQ(memory.releases(), memory.commits());
  EXPECT_EQ(rec.events.back(), "after");
}

TEST_F(MaxMemTest, NestedDefragIsRefusedAndIdleCancelIsForgotten) {
  TMaxMem mm(nullptr, memory);
  Recorder rec(mm);
  mm.Cancel();  // while idle: cleared by the next call
  mm.OnProgress = [&](toolkit::Component&, int p) {
    rec.progress.push_back(p);
    if (p == 25) mm.Defrag(3);  // refused: no events, the outer run goes on
  };
  mm.Defrag(2);
  EXPECT_THAT(rec.progress, ElementsAre(25, 50, 75, 100));
  EXPECT_THAT(rec.events, ElementsAre("before", "after"));
  EXPECT_EQ(memory.commits().size(), 2u);
}

TEST_F(MaxMemTest, RefusedCommitEndsTheRunCleanly) {
  memory.setHeldLimit(4);
  TMaxMem mm(nullptr, memory);
  Recorder rec(mm);
  mm.Defrag(10);
  EXPECT_EQ(memory.refusedCommits(), 1);
  EXPECT_EQ(memory.commits().size(), 4u);
  EXPECT_EQ(memory.releases(), memory.commits());
  EXPECT_EQ(memory.strayReleases(), 0);
  EXPECT_THAT(rec.events, ElementsAre("before", "after"));
  EXPECT_FALSE(rec.busyAtEnd);
  EXPECT_EQ(rec.progress.size(), 4u);

  // The engine is usable again once memory is back.
  memory.setHeldLimit(SIZE_MAX);
  mm.Defrag(1);
  EXPECT_EQ(memory.held(), 0u);
  EXPECT_EQ(rec.events.size(), 4u);
}

TEST_F(MaxMemTest, FailingHandlerLeavesNothingHeldAndTheEngineIdle) {
  TMaxMem mm(nullptr, memory);
  Recorder rec(mm);
  mm.OnProgress = [&](toolkit::Component&, int p) {
    if (p == 30) throw toolkit::Error("boom");
  };
  EXPECT_THROW(mm.Defrag(5), toolkit::Error);
  EXPECT_EQ(memory.held(), 0u);
  EXPECT_FALSE(mm.busy());
  EXPECT_THAT(rec.events, ElementsAre("before", "after"));
}

TEST_F(MaxMemTest, TotalStaysUntilTakenFromAReadingAndFreeIsFresh) {
  TMaxMem mm(nullptr, memory);
  memory.setStatus({.totalPhysical = 1ull << 30, .availablePhysical = 100ull << 20});
  EXPECT_EQ(mm.TotalMemory(), 512ll << 20);
  EXPECT_EQ(mm.FreeMemory(), 100ll << 20);
  memory.setStatus({.totalPhysical = 1ull << 30, .availablePhysical = 6ull << 30});
  // Above 4 GiB the byte counts do not wrap.
  EXPECT_EQ(mm.FreeMemory(), 6ll << 30);
  const int reads = memory.statusReads();
  mm.TakeTotalMemory({.totalPhysical = 8ull << 30});
  EXPECT_EQ(mm.TotalMemory(), 8ll << 30);
  EXPECT_EQ(memory.statusReads(), reads);  // the caller's reading, not a new one
}

TEST(ProgressPercent, HalvesRoundToEven) {
  EXPECT_EQ(progressPercent(1, 8), 12);  // 12.5
  EXPECT_EQ(progressPercent(3, 8), 38);  // 37.5
  EXPECT_EQ(progressPercent(1, 3), 33);
  EXPECT_EQ(progressPercent(2, 3), 67);
  EXPECT_EQ(progressPercent(7, 7), 100);
}

}  // namespace
}  // namespace lumaro::engine
