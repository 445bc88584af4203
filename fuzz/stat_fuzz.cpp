// The /proc/stat reader on arbitrary text: nothing crashes, the counters' shape follows the rules
// (no idle counter without the processor object, instance 0 first), reading again into the same
// counters gives the same result, and the file reader gives what the parser gives.
#include <cstdint>

#include "backends/linux/system/processor.h"
#include "backends/linux/system/stat_parser.h"
#include "fuzz_check.h"
#include "recorded_proc.h"

using namespace lumaro;
using fuzz::require;

namespace {

bool same(const platform::ProcessorCounters& a, const platform::ProcessorCounters& b) {
  return a.objectFound == b.objectFound && a.idleCounterFound == b.idleCounterFound && a.idle == b.idle &&
         a.time == b.time;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::RecordedProc proc("stat");
  static platform::linuxos::ProcProcessorPerformance processor;
  static platform::ProcessorCounters reused;
  const auto text = fuzz::textOf(data, size);

  platform::ProcessorCounters fresh;
  platform::linuxos::parseStat(text, 100, fresh);
  require(fresh.objectFound || !fresh.idleCounterFound);
  require(fresh.idleCounterFound ? !fresh.idle.empty() : fresh.idle.empty() && fresh.time == 0);
  platform::linuxos::parseStat(text, 100, reused);
  require(same(reused, fresh));

  platform::ProcessorCounters none;
  platform::linuxos::parseStat(text, 0, none);
  require(!none.objectFound && none.idle.empty());

  proc.hold(text);
  platform::ProcessorCounters read;
  processor.read(read);
  // The real reader uses the machine's clock ticks: compare the shape only.
  require(read.objectFound == fresh.objectFound && read.idle.size() == fresh.idle.size());
  return 0;
}
