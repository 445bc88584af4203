#include "backends/linux/system/processor.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "backends/linux/system/proc_fixtures.h"
#include "backends/linux/system/scoped_env.h"
#include "backends/linux/system/temp_dir.h"

namespace {

// Every allocation of this test program, counted through the replaced operator new below.
std::size_t allocations = 0;

}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept {
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}

namespace lumaro::platform::linuxos {
namespace {

using testing::procFixture;
using testing::ScopedEnv;
using testing::TempDir;

ProcessorCounters readUnder(const char* procDir) {
  const ScopedEnv proc("LUMARO_PROC_DIR", procDir);
  ProcessorCounters counters;
  ProcProcessorPerformance().read(counters);
  return counters;
}

TEST(ProcProcessorPerformance, ReadsTheRealStat) {
  const ProcessorCounters counters = readUnder(nullptr);
  EXPECT_TRUE(counters.idleCounterFound);
  EXPECT_GE(counters.idle.size(), 2u);
  EXPECT_GT(counters.time, 0);
}

TEST(ProcProcessorPerformance, AnUnreadableStatIsNotFound) {
  EXPECT_FALSE(readUnder(procFixture("no-such-machine").c_str()).objectFound);
}

TEST(ProcProcessorPerformance, ReadsAStatLargerThanItsBufferThenAllocatesNothing) {
  // A many-core machine's stat runs to tens of kilobytes.
  std::string stat = "cpu  512 0 0 51200 0 0 0 0 0 0\n";
  for (int cpu = 0; cpu < 512; ++cpu) stat += "cpu" + std::to_string(cpu) + " 1 0 0 100 0 0 0 0 0 0\n";
  stat += "intr" + std::string(40000, ' ') + "0\n";
  const TempDir proc;
  proc.write("stat", stat);
  const ScopedEnv procDir("LUMARO_PROC_DIR", proc.path());
  ProcProcessorPerformance processor;
  ProcessorCounters counters;

  processor.read(counters);
  const std::size_t allocationsBefore = allocations;
  processor.read(counters);

  EXPECT_EQ(allocations, allocationsBefore);
  EXPECT_EQ(counters.idle.size(), 513u);
}

}  // namespace
}  // namespace lumaro::platform::linuxos
