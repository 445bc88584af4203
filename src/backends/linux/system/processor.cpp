#include "backends/linux/system/processor.h"

#include <unistd.h>

#include "backends/linux/system/proc_root.h"
#include "backends/linux/system/stat_parser.h"

namespace lumaro::platform::linuxos {

ProcProcessorPerformance::ProcProcessorPerformance()
    : stat_(procRoot() + "/stat", kStatLimit), clockTicksPerSecond_(::sysconf(_SC_CLK_TCK)) {}

void ProcProcessorPerformance::read(ProcessorCounters& out) {
  // An unreadable or garbled file parses like an empty one: objectFound stays false.
  const auto text = stat_.read();
  parseStat(text.value_or(std::string_view{}), clockTicksPerSecond_, out);
}

}  // namespace lumaro::platform::linuxos
