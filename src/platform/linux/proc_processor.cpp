#include "platform/linux/proc_processor.h"

#include <unistd.h>

#include "platform/linux/proc_file.h"
#include "platform/linux/proc_root.h"
#include "platform/linux/stat_parser.h"

namespace lumaro::platform::linuxos {

ProcProcessorPerformance::ProcProcessorPerformance()
    : statPath_(procRoot() + "/stat"), clockTicksPerSecond_(::sysconf(_SC_CLK_TCK)) {}

void ProcProcessorPerformance::read(ProcessorCounters& out) {
  // An unreadable file parses like an empty one: objectFound stays false.
  const auto text = readWholeFile(statPath_.c_str(), buffer_);
  parseStat(text.value_or(std::string_view{}), clockTicksPerSecond_, out);
}

}  // namespace lumaro::platform::linuxos
