#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/processor_counters.h"

namespace lumaro::platform::fake {

// Scripted processor counters: each read takes the next queued reading, or repeats the last one.
class FakeProcessorPerformance : public ProcessorPerformance {
 public:
  void read(ProcessorCounters& out) override;

  void queue(ProcessorCounters reading) { queued_.push_back(std::move(reading)); }
  // A reading of the processor object with these idle counters and time stamp.
  void queue(std::vector<std::int64_t> idle, std::int64_t time);
  int reads() const { return reads_; }

 private:
  std::deque<ProcessorCounters> queued_;
  ProcessorCounters last_;
  int reads_ = 0;
};

// Scripted dynamic statistics of the 95/98/Me family; every call is recorded by name.
class FakeDynamicStatistics : public DynamicStatistics {
 public:
  bool start(std::uint32_t& usage) override;
  bool openData() override;
  std::uint32_t readUsage() override;
  void closeData() override;
  void stop() override;

  bool startSucceeds = true;
  bool openSucceeds = true;
  std::uint32_t usage = 0;
  std::vector<std::string> calls;
};

}  // namespace lumaro::platform::fake
