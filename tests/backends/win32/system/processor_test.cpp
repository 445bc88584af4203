#include "backends/win32/system/processor.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lumaro::platform::win32 {
namespace {

using ::testing::ElementsAre;

TEST(ProcessorTimes, CountersAverageTheMachineAndKeepEachProcessor) {
  ProcessorCounters counters;
  // Kernel time includes idle time: processor 0 was busy 100 of 400, processor 1 300 of 400.
  countersFromTimes({{.idle = 300, .kernel = 350, .user = 50}, {.idle = 100, .kernel = 200, .user = 200}},
                    counters);
  EXPECT_TRUE(counters.objectFound);
  EXPECT_TRUE(counters.idleCounterFound);
  EXPECT_THAT(counters.idle, ElementsAre(200, 300, 100));
  EXPECT_EQ(counters.time, 400);

  countersFromTimes({}, counters);
  EXPECT_FALSE(counters.objectFound);
  EXPECT_TRUE(counters.idle.empty());
}

// Wine's performance registry has no processor object, so this runs the kernel's times there, and the
// performance data wherever it has one: either way a counter per processor plus the machine's.
TEST(Win32ProcessorPerformance, ReadsAnIdleCounterPerProcessorThatOnlyGrows) {
  SYSTEM_INFO system;
  ::GetSystemInfo(&system);
  Win32ProcessorPerformance processor;
  ProcessorCounters first;
  processor.read(first);
  ASSERT_TRUE(first.objectFound);
  ASSERT_TRUE(first.idleCounterFound);
  EXPECT_EQ(first.idle.size(), system.dwNumberOfProcessors + 1);

  // Keep one processor busy for a while, so that time passes on every clock.
  const DWORD start = ::GetTickCount();
  volatile unsigned spin = 0;
  while (::GetTickCount() - start < 100) spin = spin + 1;
  ProcessorCounters second;
  processor.read(second);
  ASSERT_EQ(second.idle.size(), first.idle.size());
  EXPECT_GT(second.time, first.time);
  for (std::size_t i = 0; i < first.idle.size(); ++i) EXPECT_GE(second.idle[i], first.idle[i]) << i;
  // Averaged over the processors, idle time cannot outrun the time stamp.
  EXPECT_LE(second.idle[0] - first.idle[0], second.time - first.time);
}

}  // namespace
}  // namespace lumaro::platform::win32
