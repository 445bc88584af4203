// The /proc/meminfo reader on arbitrary text: nothing crashes, the figures are consistent (no sum
// wraps round, the load is a percentage), and the file reader gives what the parser gives, or nothing
// for a file over its bound.
#include <cstdint>

#include "backends/linux/system/meminfo_parser.h"
#include "backends/linux/system/memory.h"
#include "fuzz_check.h"
#include "recorded_proc.h"

using namespace lumaro;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::RecordedProc proc("meminfo");
  static platform::linuxos::ProcMemory memory;
  const auto text = fuzz::textOf(data, size);

  const platform::MemoryStatus status = platform::linuxos::parseMeminfo(text);
  require(status.memoryLoad <= 100);
  require(status.totalPageFile >= status.totalPhysical);
  require(status.availablePageFile >= status.availablePhysical);
  require(status.totalVirtual == status.totalPageFile && status.availableVirtual == status.availablePageFile);
  if (status.totalPhysical == 0) require(status.memoryLoad == 0);

  proc.hold(text);
  const platform::MemoryStatus read = memory.status();
  const bool fits = size <= platform::linuxos::kSmallFileLimit;
  require(read.totalPhysical == (fits ? status.totalPhysical : 0));
  require(read.availablePageFile == (fits ? status.availablePageFile : 0));
  return 0;
}
