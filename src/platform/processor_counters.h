#pragma once
#include <cstdint>
#include <vector>

namespace lumaro::platform {

// One reading of the processor performance object: a cumulative idle-time counter per processor
// instance and one time stamp, both in 100 ns units. Instance 0 is the whole machine (its idle time
// averaged over the processors); instances 1..n are the single processors.
struct ProcessorCounters {
  bool objectFound = false;       // the processor object could be read at all
  bool idleCounterFound = false;  // it carries an idle-time counter
  std::vector<std::int64_t> idle;
  std::int64_t time = 0;
};

// Processor counters of the NT-family kind.
class ProcessorPerformance {
 public:
  virtual ~ProcessorPerformance() = default;

  // Fills `out`, reusing its storage, so that a steady state allocates nothing. When the counters are
  // unsupported, objectFound stays false.
  virtual void read(ProcessorCounters& out) = 0;
};

// The ready-made processor percentage of the 95/98/Me family ("dynamic statistics"). Unsupported
// platforms answer false from start and openData.
class DynamicStatistics {
 public:
  virtual ~DynamicStatistics() = default;

  // Starts the statistic; `usage` receives the first percentage read while starting.
  virtual bool start(std::uint32_t& usage) = 0;
  // Opens the statistic for reading; held open until closeData.
  virtual bool openData() = 0;
  // The current percentage, 0..100, read through the open statistic.
  virtual std::uint32_t readUsage() = 0;
  virtual void closeData() = 0;
  // Stops the statistic (the platform's stop key read once).
  virtual void stop() = 0;
};

}  // namespace lumaro::platform
