#include "backends/linux/system/memory.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "backends/linux/system/proc_fixtures.h"
#include "backends/linux/system/scoped_env.h"
#include "backends/linux/system/temp_dir.h"

namespace lumaro::platform::linuxos {
namespace {

using testing::procFixture;
using testing::ScopedEnv;
using testing::TempDir;

long residentKib() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmRSS:")) return std::stol(line.substr(6));
  }
  return -1;
}

int ownOomScore() {
  int score = 0;
  std::ifstream("/proc/self/oom_score_adj") >> score;
  return score;
}

TEST(ProcMemory, RefusesCommitsThatWouldEatIntoTheReserve) {
  const std::pair<const char*, std::uint64_t> machines[] = {
      {"low-memory", std::uint64_t{52104 + 12288} * 1024}, {"no-such-machine", 0}};
  for (const auto& [machine, availablePageFile] : machines) {
    const ScopedEnv proc("LUMARO_PROC_DIR", procFixture(machine));
    ProcMemory memory;
    EXPECT_EQ(memory.status().availablePageFile, availablePageFile) << machine;
    EXPECT_EQ(memory.commitBlock(), nullptr) << machine;
  }
}

TEST(ProcMemory, RaisesTheOomScoreWhileBlocksAreHeld) {
  const ScopedEnv proc("LUMARO_PROC_DIR", nullptr);
  const int before = ownOomScore();
  ASSERT_NE(before, 1000) << "the test cannot see the raise";
  ProcMemory memory;

  void* first = memory.commitBlock();
  void* second = memory.commitBlock();
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  std::memset(first, 0xA5, Memory::kBlockSize);
  std::memset(second, 0x5A, Memory::kBlockSize);
  EXPECT_EQ(ownOomScore(), 1000);

  memory.releaseBlock(first);
  EXPECT_EQ(ownOomScore(), 1000);
  memory.releaseBlock(second);
  EXPECT_EQ(ownOomScore(), before);
}

TEST(ProcMemory, ARefusedMappingGivesNullptr) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const ScopedEnv proc("LUMARO_PROC_DIR", procFixture("workstation-64g-8cpu"));
    ProcMemory memory;
    memory.status();  // sizes the read buffer while allocating is still possible
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t limit = static_cast<rlim_t>(pages) * ::sysconf(_SC_PAGESIZE) + Memory::kBlockSize / 2;
    const rlimit addressSpace{limit, limit};
    if (::setrlimit(RLIMIT_AS, &addressSpace) != 0) ::_exit(2);
    ::_exit(memory.commitBlock() == nullptr ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(ProcMemory, AMeminfoThatNeverEndsReadsAsNoMemoryAndGrowsNothing) {
  const TempDir proc;
  std::filesystem::create_symlink("/dev/zero", proc.path() + "/meminfo");
  const ScopedEnv procDir("LUMARO_PROC_DIR", proc.path());
  ProcMemory memory;
  const long before = residentKib();
  for (int tick = 0; tick < 100; ++tick) EXPECT_EQ(memory.status().totalPhysical, 0u);
  EXPECT_LT(residentKib() - before, 1024);
  EXPECT_EQ(memory.commitBlock(), nullptr);
}

}  // namespace
}  // namespace lumaro::platform::linuxos
