// The engine over the real memory service in a process whose address space runs out mid-run.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "backends/linux/system/memory.h"
#include "engine/max_mem.h"

namespace lumaro::engine {
namespace {

long virtualSizeKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmSize:", 0) == 0) return std::stol(line.substr(7));
  }
  return -1;
}

// Runs in the child; the exit code says what went wrong (0 = all good).
int runUnderTightLimit() {
  platform::linuxos::ProcMemory memory;
  TMaxMem engine(nullptr, memory);
  int reports = 0, lastReport = -1, ends = 0;
  engine.OnProgress = [&](toolkit::Component&, int p) {
    ++reports;
    lastReport = p;
  };
  engine.OnAfterDefrag = [&](toolkit::Component&) { ++ends; };

  const long before = virtualSizeKb();
  const rlimit limit{static_cast<rlim_t>(before + 64 * 1024) * 1024,
                     static_cast<rlim_t>(before + 64 * 1024) * 1024};
  if (setrlimit(RLIMIT_AS, &limit) != 0) return 10;
  engine.Defrag(1024);
  if (ends != 1) return 11;
  if (engine.busy()) return 12;
  if (reports == 0 || reports >= 2048 || lastReport >= 100) return 13;  // the claim ended early
  if (virtualSizeKb() > before + 4 * 1024) return 14;                   // every block went back
  engine.Defrag(16);  // and the engine still works within the limit
  if (ends != 2 || lastReport != 100) return 15;
  return 0;
}

TEST(EngineUnderAddressSpaceLimit, RunEndsCleanlyWithEveryBlockReleased) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer reserves more address space than any tight limit allows";
#endif
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) _exit(runUnderTightLimit());
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "the child was killed by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace lumaro::engine
