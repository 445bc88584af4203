// Control-group memory limits and memory pressure, and how the real memory service obeys them, over
// recorded /proc and cgroup trees written into temporary folders.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "backends/linux/system/cgroup_membership.h"
#include "backends/linux/system/cgroup_memory_limits.h"
#include "backends/linux/system/memory.h"
#include "backends/linux/system/memory_stall_watch.h"
#include "backends/linux/system/scoped_env.h"
#include "backends/linux/system/temp_dir.h"

namespace lumaro::platform::linuxos {
namespace {

using testing::ScopedEnv;
using testing::TempDir;

constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;

std::string pressureText(std::uint64_t someTotal) {
  return "some avg10=1.25 avg60=0.40 avg300=0.08 total=" + std::to_string(someTotal) +
         "\nfull avg10=0.00 avg60=0.00 avg300=0.00 total=17\n";
}

// A machine with 8 GiB free and no swap, whose /proc and cgroup mounts live in one temporary folder.
class Machine {
 public:
  Machine() {
    put("proc/meminfo",
        "MemTotal: 8388608 kB\nMemFree: 8000000 kB\nMemAvailable: 8000000 kB\n"
        "SwapTotal: 0 kB\nSwapFree: 0 kB\n");
  }
  std::string path(const std::string& file) const { return dir_.path() + "/" + file; }
  void put(const std::string& file, const std::string& text) const {
    std::filesystem::create_directories(std::filesystem::path(path(file)).parent_path());
    std::ofstream(path(file)) << text;
  }
  void putBytes(const std::string& file, std::uint64_t bytes) const {
    put(file, std::to_string(bytes) + "\n");
  }
  std::string proc() const { return dir_.path() + "/proc"; }
  std::string cgroup() const { return dir_.path() + "/cgroup"; }

  // A pure version 2 layout: the process in /user.slice/app.scope.
  void unifiedGroups() const {
    put("proc/self/cgroup", "0::/user.slice/app.scope\n");
    put("cgroup/cgroup.controllers", "cpu memory io\n");
    put("cgroup/user.slice/app.scope/memory.pressure", pressureText(0));
  }
  // The layout of a hybrid machine: version 1 controllers, the unified hierarchy beside them.
  void hybridGroups() const {
    put("proc/self/cgroup", "9:name=systemd:/\n4:memory:/lumaro-test\n1:cpu,cpuacct:/\n0::/\n");
    put("cgroup/unified/cgroup.controllers", "\n");
    put("cgroup/unified/memory.pressure", pressureText(0));
    putBytes("cgroup/memory/memory.limit_in_bytes", 9223372036854771712u);
    putBytes("cgroup/memory/memory.usage_in_bytes", 2000 * kMiB);
  }

 private:
  TempDir dir_;
};

CgroupMemoryLimits limitsOf(const Machine& machine) {
  const ScopedEnv proc("LUMARO_PROC_DIR", machine.proc());
  const ScopedEnv cgroup("LUMARO_CGROUP_DIR", machine.cgroup());
  return CgroupMemoryLimits(cgroupFoldersOfThisProcess());
}

TEST(CgroupMembership, FindsTheUnifiedPathAndTheMemoryControllersPath) {
  const CgroupMembership hybrid =
      parseCgroupMembership("12:hugetlb:/\n4:memory,hugetlb:/process_api/31b9\n3:cpuset:/\n0::/init.scope\n");
  EXPECT_EQ(hybrid.unified, "/init.scope");
  EXPECT_EQ(hybrid.memoryV1, "/process_api/31b9");

  const CgroupMembership unified = parseCgroupMembership("0::/user.slice/user-1000.slice/session-2.scope");
  EXPECT_EQ(unified.unified, "/user.slice/user-1000.slice/session-2.scope");
  EXPECT_EQ(unified.memoryV1, std::nullopt);

  // A controller whose name only contains "memory", and lines that are not placements.
  const CgroupMembership garbled = parseCgroupMembership("5:memory_x:/a\n0::\nnonsense\n7:memory:relative\n");
  EXPECT_EQ(garbled.unified, std::nullopt);
  EXPECT_EQ(garbled.memoryV1, std::nullopt);
}

TEST(CgroupMemoryLimits, TheTightestLimitOfTheGroupAndItsAncestorsCounts) {
  Machine machine;
  machine.unifiedGroups();
  // Only the process's own group is limited: 400 MiB, 100 MiB used, 64 MiB reserve.
  machine.put("cgroup/user.slice/memory.max", "max\n");
  machine.putBytes("cgroup/user.slice/memory.current", 900 * kMiB);
  machine.putBytes("cgroup/user.slice/app.scope/memory.max", 400 * kMiB);
  machine.put("cgroup/user.slice/app.scope/memory.high", "max\n");
  machine.putBytes("cgroup/user.slice/app.scope/memory.current", 100 * kMiB);
  EXPECT_EQ(limitsOf(machine).blocksAboveReserve(), 236u);

  // Throttling above memory.high stalls like the limit itself.
  machine.putBytes("cgroup/user.slice/app.scope/memory.high", 300 * kMiB);
  EXPECT_EQ(limitsOf(machine).blocksAboveReserve(), 136u);

  // A parent with less room wins; 5 % of a 2 GiB limit is more than 64 MiB.
  machine.putBytes("cgroup/user.slice/memory.max", 2048 * kMiB);
  machine.putBytes("cgroup/user.slice/memory.current", 1900 * kMiB);
  EXPECT_EQ(limitsOf(machine).blocksAboveReserve(), 45u);

  // Usage above the limit leaves nothing.
  machine.putBytes("cgroup/user.slice/memory.current", 2100 * kMiB);
  EXPECT_EQ(limitsOf(machine).blocksAboveReserve(), 0u);
}

TEST(CgroupMemoryLimits, VersionOneGroupsOfAHybridMachine) {
  Machine machine;
  machine.hybridGroups();
  machine.putBytes("cgroup/memory/lumaro-test/memory.limit_in_bytes", 400 * kMiB);
  machine.putBytes("cgroup/memory/lumaro-test/memory.usage_in_bytes", 50 * kMiB);
  EXPECT_EQ(limitsOf(machine).blocksAboveReserve(), 286u);
}

TEST(CgroupMemoryLimits, NoFigureWhereNoLimitCanBeRead) {
  Machine machine;
  EXPECT_EQ(limitsOf(machine).blocksAboveReserve(), std::nullopt) << "no self/cgroup";

  machine.unifiedGroups();
  EXPECT_EQ(limitsOf(machine).blocksAboveReserve(), std::nullopt) << "no limit files";

  machine.put("cgroup/user.slice/app.scope/memory.max", "400M\n");
  machine.putBytes("cgroup/user.slice/app.scope/memory.current", 100 * kMiB);
  machine.put("cgroup/user.slice/memory.max", "max\n");
  machine.put("cgroup/user.slice/memory.current", "");
  EXPECT_EQ(limitsOf(machine).blocksAboveReserve(), std::nullopt) << "garbled and empty files";

  // The group the process names does not exist (a stale placement or another mount).
  machine.put("proc/self/cgroup", "0::/elsewhere\n");
  EXPECT_EQ(limitsOf(machine).blocksAboveReserve(), std::nullopt);
}

TEST(MemoryStallWatch, ReadsTheSomeTotal) {
  EXPECT_EQ(parseSomeStallTotal(pressureText(123456)), 123456u);
  EXPECT_EQ(parseSomeStallTotal("full avg10=0.00 avg60=0.00 avg300=0.00 total=5\n"), std::nullopt);
  EXPECT_EQ(parseSomeStallTotal("some avg10=0.00 avg60=0.00 avg300=0.00\n"), std::nullopt);
  EXPECT_EQ(parseSomeStallTotal("some avg10=0.00 total=12x\n"), std::nullopt);
  EXPECT_EQ(parseSomeStallTotal("some avg10=0.00 total=99999999999999999999\n"), std::nullopt);
  EXPECT_EQ(parseSomeStallTotal(""), std::nullopt);
}

TEST(MemoryStallWatch, CountsTheLargestStallOfAnySourceSinceTheStart) {
  Machine machine;
  machine.put("system", pressureText(1000));
  machine.put("group", pressureText(70));
  machine.put("garbled", "some total=\n");
  MemoryStallWatch watch;
  watch.begin(
      {machine.path("system"), machine.path("group"), machine.path("garbled"), machine.path("missing")});
  EXPECT_EQ(watch.stalledSinceBegin(), 0u);
  machine.put("system", pressureText(1000 + 20'000));
  machine.put("group", pressureText(70 + 50'000));
  EXPECT_EQ(watch.stalledSinceBegin(), 50'000u);
  EXPECT_FALSE(watch.overBudget());
  machine.put("system", pressureText(1000 + 50'001));
  EXPECT_TRUE(watch.overBudget());
  // A source that cannot be read now counts as no stall; after end() nothing is watched.
  machine.put("system", "");
  EXPECT_FALSE(watch.overBudget());
  watch.end();
  EXPECT_EQ(watch.stalledSinceBegin(), 0u);
}

class ProcMemoryLimits : public ::testing::Test {
 protected:
  // Commits until the first refusal (at most `most`), then releases everything. Answers how many.
  int claimAll(ProcMemory& memory, int most = 64) {
    std::vector<void*> held;
    while (static_cast<int>(held.size()) < most) {
      void* block = memory.commitBlock();
      if (block == nullptr) break;
      held.push_back(block);
    }
    for (void* block : held) memory.releaseBlock(block);
    return static_cast<int>(held.size());
  }

  Machine machine;
};

TEST_F(ProcMemoryLimits, AGroupWithoutRoomRefusesTheFirstCommit) {
  machine.hybridGroups();
  machine.putBytes("cgroup/memory/lumaro-test/memory.limit_in_bytes", 400 * kMiB);
  machine.putBytes("cgroup/memory/lumaro-test/memory.usage_in_bytes", 337 * kMiB);
  const ScopedEnv proc("LUMARO_PROC_DIR", machine.proc());
  const ScopedEnv cgroup("LUMARO_CGROUP_DIR", machine.cgroup());
  ProcMemory memory;
  EXPECT_EQ(claimAll(memory), 0);

  // Close to the limit every block is checked again: one block of room, then none.
  machine.putBytes("cgroup/memory/lumaro-test/memory.usage_in_bytes", 335 * kMiB);
  void* block = memory.commitBlock();
  ASSERT_NE(block, nullptr);
  machine.putBytes("cgroup/memory/lumaro-test/memory.usage_in_bytes", 336 * kMiB);
  EXPECT_EQ(memory.commitBlock(), nullptr);
  memory.releaseBlock(block);

  // Without the limit the machine's own reserve alone holds.
  machine.putBytes("cgroup/memory/lumaro-test/memory.limit_in_bytes", 9223372036854771712u);
  EXPECT_EQ(claimAll(memory), 64);
}

TEST_F(ProcMemoryLimits, ARunStopsClaimingOnceItCausedMoreStallThanTheBudget) {
  machine.unifiedGroups();
  machine.put("proc/pressure/memory", pressureText(5'000'000));
  const ScopedEnv proc("LUMARO_PROC_DIR", machine.proc());
  const ScopedEnv cgroup("LUMARO_CGROUP_DIR", machine.cgroup());
  ProcMemory memory;

  std::vector<void*> held{memory.commitBlock(), memory.commitBlock()};
  ASSERT_NE(held[0], nullptr);
  ASSERT_NE(held[1], nullptr);
  // Stalls from before the run do not count; those during it do, from either source.
  machine.put("proc/pressure/memory", pressureText(5'000'000 + 50'000));
  EXPECT_NE(held.emplace_back(memory.commitBlock()), nullptr);
  machine.put("cgroup/user.slice/app.scope/memory.pressure", pressureText(50'001));
  EXPECT_EQ(memory.commitBlock(), nullptr);
  for (void* block : held) memory.releaseBlock(block);

  // The next run starts counting afresh.
  EXPECT_EQ(claimAll(memory, 8), 8);
}

TEST_F(ProcMemoryLimits, WithoutPressureFilesTheReserveAloneHolds) {
  const ScopedEnv proc("LUMARO_PROC_DIR", machine.proc());
  const ScopedEnv cgroup("LUMARO_CGROUP_DIR", machine.cgroup());
  ProcMemory memory;
  EXPECT_EQ(claimAll(memory, 40), 40);
}

TEST_F(ProcMemoryLimits, ANewRunReadsMemoryAgainBeforeItsFirstCommit) {
  const ScopedEnv proc("LUMARO_PROC_DIR", machine.proc());
  ProcMemory memory;
  // The first reading leaves room for 32 commits; the run uses one of them.
  EXPECT_EQ(claimAll(memory, 1), 1);
  machine.put("proc/meminfo", "MemTotal: 8388608 kB\nMemAvailable: 100000 kB\n");
  EXPECT_EQ(claimAll(memory), 0);
}

}  // namespace
}  // namespace lumaro::platform::linuxos
