#include "platform/contract/processor_contract.h"

#include <algorithm>

namespace lumaro::platform::contract {
namespace {

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ProcessorContract);

// One tick of the coarsest counter clock we know (10 ms), in 100 ns units.
constexpr std::int64_t kTick = 100'000;

TEST_P(ProcessorContract, CountersCoverTheMachineAndEachProcessorAndOnlyGrow) {
  ProcessorCounters first;
  subject().processor().read(first);
  if (!first.objectFound) GTEST_SKIP() << "no processor counters here";
  ASSERT_TRUE(first.idleCounterFound);
  ASSERT_GE(first.idle.size(), 2u) << "the machine and at least one processor";

  subject().letTimePass();
  ProcessorCounters second = first;  // the same storage, read again
  subject().processor().read(second);
  ASSERT_TRUE(second.objectFound);
  ASSERT_EQ(second.idle.size(), first.idle.size());
  const std::int64_t elapsed = second.time - first.time;
  EXPECT_GT(elapsed, 0);
  for (std::size_t i = 0; i < first.idle.size(); ++i) {
    const std::int64_t idled = second.idle[i] - first.idle[i];
    EXPECT_GE(idled, 0) << "instance " << i;
    // A processor cannot idle longer than the time that passed.
    EXPECT_LE(idled, elapsed + kTick) << "instance " << i;
  }
  // The machine's idle time is the average over its processors.
  const auto [least, most] = std::minmax_element(second.idle.begin() + 1, second.idle.end());
  EXPECT_GE(second.idle[0], *least - kTick);
  EXPECT_LE(second.idle[0], *most + kTick);
}

TEST_P(ProcessorContract, DynamicStatisticsAreEitherUnsupportedOrPercentages) {
  DynamicStatistics& statistics = subject().dynamicStatistics();
  std::uint32_t usage = 0;
  if (!statistics.start(usage)) {
    EXPECT_FALSE(statistics.openData());
    return;
  }
  EXPECT_LE(usage, 100u);
  ASSERT_TRUE(statistics.openData());
  EXPECT_LE(statistics.readUsage(), 100u);
  statistics.closeData();
  statistics.stop();
}

}  // namespace
}  // namespace lumaro::platform::contract
