#include "monitor/cpu_sampler.h"

#include <gtest/gtest.h>

#include "backends/fake/fake_processor.h"
#include "backends/fake/fake_system.h"
#include "toolkit/core/error.h"

namespace lumaro::monitor {
namespace {

using platform::ProcessorCounters;

// Expects `call` to raise a toolkit error with exactly `message`.
template <class Call>
void expectError(Call call, const std::string& message) {
  try {
    call();
    ADD_FAILURE() << "no error, expected: " << message;
  } catch (const toolkit::Error& error) {
    EXPECT_EQ(error.what(), message);
  }
}

class NtSamplerTest : public ::testing::Test {
 protected:
  platform::fake::FakeSystemInfo info;
  platform::fake::FakeProcessorPerformance processor;
  platform::fake::FakeDynamicStatistics dyn;
};

TEST_F(NtSamplerTest, LoadIsOneMinusIdleShareBetweenTheLastTwoSamples) {
  processor.queue({1000, 400, 600}, 10000);
  processor.queue({1500, 1400, 600}, 11000);  // instance 0 idle half the time, 1 all, 2 never
  CpuSampler sampler(info, processor, dyn);
  sampler.TakeCpuSample();
  EXPECT_EQ(sampler.CpuInstanceCount(), 3);
  sampler.TakeCpuSample();
  EXPECT_DOUBLE_EQ(sampler.CpuLoad(0), 0.5);
  EXPECT_DOUBLE_EQ(sampler.CpuLoad(1), 0.0);
  EXPECT_DOUBLE_EQ(sampler.CpuLoad(2), 1.0);
  EXPECT_EQ(dyn.calls.size(), 0u);
}

TEST_F(NtSamplerTest, SameTimeStampGivesZeroAndFirstLoadSamplesItself) {
  processor.queue({500}, 1000);
  CpuSampler sampler(info, processor, dyn);
  // The first read takes a sample; counters start at zero, so it is the average since they began.
  EXPECT_DOUBLE_EQ(sampler.CpuLoad(0), 0.5);
  EXPECT_EQ(processor.reads(), 1);
  sampler.TakeCpuSample();  // the same reading again
  EXPECT_DOUBLE_EQ(sampler.CpuLoad(0), 0.0);
}

TEST_F(NtSamplerTest, IndexOutOfBoundsAndMissingCounters) {
  processor.queue({1, 2}, 10);
  CpuSampler sampler(info, processor, dyn);
  sampler.TakeCpuSample();
  expectError([&] { sampler.CpuLoad(2); }, "CPU index out of bounds");
  expectError([&] { sampler.CpuLoad(-1); }, "CPU index out of bounds");

  processor.queue(ProcessorCounters{});
  expectError([&] { sampler.TakeCpuSample(); }, "Unable to locate the \"Processor\" performance object");
  processor.queue(ProcessorCounters{true, false, {5, 5}, 20});
  expectError([&] { sampler.TakeCpuSample(); },
              "Unable to locate the \"% of CPU usage\" performance counter");
  // A failed sample leaves the last good pair in place.
  EXPECT_DOUBLE_EQ(sampler.CpuLoad(0), 0.9);
}

TEST_F(NtSamplerTest, InstanceCountIsFixedByTheFirstSample) {
  processor.queue({0, 0}, 0);
  processor.queue({100, 100, 100}, 100);  // a processor appeared: not shown
  processor.queue({150}, 200);            // one went away: its counter is kept, nothing read past the end
  CpuSampler sampler(info, processor, dyn);
  sampler.TakeCpuSample();
  sampler.TakeCpuSample();
  EXPECT_EQ(sampler.CpuInstanceCount(), 2);
  sampler.TakeCpuSample();
  EXPECT_DOUBLE_EQ(sampler.CpuLoad(0), 0.5);
  EXPECT_DOUBLE_EQ(sampler.CpuLoad(1), 1.0);
}

TEST(SamplerStartup, FailedVersionQueryIsReported) {
  platform::fake::FakeSystemInfo info;
  info.family.reset();
  platform::fake::FakeProcessorPerformance processor;
  platform::fake::FakeDynamicStatistics dyn;
  expectError([&] { CpuSampler sampler(info, processor, dyn); }, "Can't get the Windows version");
}

class NineXSamplerTest : public ::testing::Test {
 protected:
  NineXSamplerTest() { info.family = platform::kFamily9x; }
  platform::fake::FakeSystemInfo info;
  platform::fake::FakeProcessorPerformance processor;
  platform::fake::FakeDynamicStatistics dyn;
};

TEST_F(NineXSamplerTest, StartsOnceReadsPercentAndStopsAtTheEnd) {
  dyn.usage = 37;
  {
    CpuSampler sampler(info, processor, dyn);
    EXPECT_DOUBLE_EQ(sampler.CpuLoad(0), 0.37);
    dyn.usage = 80;
    sampler.TakeCpuSample();
    EXPECT_DOUBLE_EQ(sampler.CpuLoad(0), 0.8);
    expectError([&] { sampler.CpuLoad(1); }, "CPU index out of bounds");
  }
  EXPECT_EQ(dyn.calls,
            (std::vector<std::string>{"start", "openData", "readUsage", "readUsage", "closeData", "stop"}));
  EXPECT_EQ(processor.reads(), 0);
}

TEST_F(NineXSamplerTest, FailedStartIsRetriedAtTheNextCall) {
  dyn.startSucceeds = false;
  CpuSampler sampler(info, processor, dyn);
  expectError([&] { sampler.TakeCpuSample(); }, "Unable to start performance monitoring");
  dyn.startSucceeds = true;
  dyn.openSucceeds = false;
  expectError([&] { sampler.TakeCpuSample(); }, "Unable to read performance data");
  dyn.openSucceeds = true;
  dyn.usage = 12;
  sampler.TakeCpuSample();
  EXPECT_DOUBLE_EQ(sampler.CpuLoad(0), 0.12);
}

TEST(LoadPercent, RoundsHalvesToEven) {
  EXPECT_EQ(loadPercent(0.125), 12);
  EXPECT_EQ(loadPercent(0.375), 38);
  EXPECT_EQ(loadPercent(0.0), 0);
  EXPECT_EQ(loadPercent(1.0), 100);
  EXPECT_EQ(loadPercent(0.994), 99);
}

}  // namespace
}  // namespace lumaro::monitor
