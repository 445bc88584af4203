#include "backends/fake/fake_processor.h"

namespace lumaro::platform::fake {

void FakeProcessorPerformance::read(ProcessorCounters& out) {
  ++reads_;
  if (!queued_.empty()) {
    last_ = std::move(queued_.front());
    queued_.pop_front();
  }
  out.objectFound = last_.objectFound;
  out.idleCounterFound = last_.idleCounterFound;
  out.idle.assign(last_.idle.begin(), last_.idle.end());
  out.time = last_.time;
}

void FakeProcessorPerformance::queue(std::vector<std::int64_t> idle, std::int64_t time) {
  queue(ProcessorCounters{true, true, std::move(idle), time});
}

bool FakeDynamicStatistics::start(std::uint32_t& value) {
  calls.push_back("start");
  if (startSucceeds) value = usage;
  return startSucceeds;
}

bool FakeDynamicStatistics::openData() {
  calls.push_back("openData");
  return openSucceeds;
}

std::uint32_t FakeDynamicStatistics::readUsage() {
  calls.push_back("readUsage");
  return usage;
}

void FakeDynamicStatistics::closeData() {
  calls.push_back("closeData");
}

void FakeDynamicStatistics::stop() {
  calls.push_back("stop");
}

}  // namespace lumaro::platform::fake
