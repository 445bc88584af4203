#include "backends/linux/system/stat_parser.h"

#include <gtest/gtest.h>

#include "backends/linux/system/proc_fixtures.h"

namespace lumaro::platform::linuxos {
namespace {

using testing::readProcFixture;

constexpr long kHz = 100;
constexpr std::int64_t kHundredNsPerJiffy = 10'000'000 / kHz;

ProcessorCounters parsed(const std::string& text, long hz = kHz) {
  ProcessorCounters counters;
  parseStat(text, hz, counters);
  return counters;
}

TEST(StatParser, RecordedMachinesGiveOneInstancePerProcessorPlusTheMachine) {
  const std::pair<const char*, std::size_t> machines[] = {{"build-host-2cpu", 2},
                                                          {"small-512m-noswap", 1},
                                                          {"workstation-64g-8cpu", 8},
                                                          {"laptop-4cpu", 4},
                                                          {"old-kernel-2cpu", 2}};
  for (const auto& [machine, processors] : machines) {
    const ProcessorCounters counters = parsed(readProcFixture(machine, "stat"));
    EXPECT_TRUE(counters.objectFound) << machine;
    EXPECT_TRUE(counters.idleCounterFound) << machine;
    EXPECT_EQ(counters.idle.size(), processors + 1) << machine;
  }
}

TEST(StatParser, CountersAreIdlePlusIowaitAndTheTotalWithoutGuestOverProcessors) {
  const ProcessorCounters counters = parsed(readProcFixture("workstation-64g-8cpu", "stat"));

  ASSERT_EQ(counters.idle.size(), 9u);
  EXPECT_EQ(counters.idle[1], (7730217 + 4164) * kHundredNsPerJiffy);
  EXPECT_EQ(counters.idle[0], (58671436 + 128062) * kHundredNsPerJiffy / 8);
  EXPECT_EQ(counters.time,
            (4258901 + 20818 + 811711 + 58671436 + 128062 + 111982 + 115801 + 0) * kHundredNsPerJiffy / 8);
}

TEST(StatParser, MachineLoadIsTheAverageOverItsProcessors) {
  // Between the readings one of four processors was fully busy and three idle.
  const ProcessorCounters before = parsed(
      "cpu  1000 0 0 4000 0 0 0 0 0 0\ncpu0 250 0 0 1000\ncpu1 250 0 0 1000\ncpu2 250 0 0 1000\n"
      "cpu3 250 0 0 1000\n");
  const ProcessorCounters after = parsed(
      "cpu  1100 0 0 4300 0 0 0 0 0 0\ncpu0 350 0 0 1000\ncpu1 250 0 0 1100\ncpu2 250 0 0 1100\n"
      "cpu3 250 0 0 1100\n");

  const auto load = [&](std::size_t instance) {
    return 1.0 - double(after.idle[instance] - before.idle[instance]) / double(after.time - before.time);
  };
  EXPECT_DOUBLE_EQ(load(0), 0.25);
  EXPECT_DOUBLE_EQ(load(1), 1.0);
  EXPECT_DOUBLE_EQ(load(2), 0.0);
}

TEST(StatParser, ConvertsLargeCountersWithoutOverflow) {
  // 10^13 jiffies × 10^7 overflows 64 bits on the way; the result, 10^17, does not.
  const ProcessorCounters counters = parsed("cpu  0 0 0 10000000000000\ncpu0 0 0 0 10000000000000\n", 1000);

  EXPECT_EQ(counters.idle, (std::vector<std::int64_t>{100'000'000'000'000'000, 100'000'000'000'000'000}));
  EXPECT_EQ(counters.time, 100'000'000'000'000'000);
}

TEST(StatParser, DamagedTextIsReportedNotCounted) {
  for (const std::string& text : {readProcFixture("garbled", "stat"), std::string()}) {
    const ProcessorCounters counters = parsed(text);
    EXPECT_FALSE(counters.objectFound);
    EXPECT_TRUE(counters.idle.empty());
  }

  const ProcessorCounters truncated = parsed(readProcFixture("truncated", "stat"));
  EXPECT_TRUE(truncated.objectFound);
  EXPECT_FALSE(truncated.idleCounterFound);

  EXPECT_FALSE(parsed(readProcFixture("laptop-4cpu", "stat"), 0).objectFound);
}

}  // namespace
}  // namespace lumaro::platform::linuxos
