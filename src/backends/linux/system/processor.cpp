#include "platform/linux/proc_processor.h"

#include <unistd.h>

#include "platform/linux/proc_root.h"
#include "platform/linux/stat_parser.h"

namespace lumaro::platform::linuxos {

ProcProcessorPerformance::ProcProcessorPerformance()
    : stat_(procRoot() + "/stat", kStatLimit), clockTicksPerSecond_(::sysconf(_SC_CLK_TCK)) {}

void ProcProcessorPerformance::read(ProcessorCounters& out) {
  // An unreadable or garbled file parses like an empty one: objectFound stays false.
  const auto text = stat_.read();
  parseStat(text.value_or(std::string_view{}), clockTicksPerSecond_, out);
}

}  // namespace lumaro::platform::linuxos
