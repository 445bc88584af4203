#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "backends/linux/system/cgroup_memory_limits.h"
#include "backends/linux/system/memory_stall_watch.h"
#include "backends/linux/system/oom_score.h"
#include "backends/linux/system/proc_file.h"
#include "platform/memory.h"

namespace lumaro::platform::linuxos {

// Memory over /proc/meminfo (under procRoot(), resolved at construction) and anonymous mappings.
// A commit is refused when it would eat into commitReserve() of the machine or into the reserve below
// the memory limit of any control group the process runs in, and once the run has caused more memory
// stall than MemoryStallWatch's budget. While any block is held the process's OOM score is raised.
class ProcMemory : public Memory {
 public:
  ProcMemory();

  MemoryStatus status() override;
  void* commitBlock() override;
  void releaseBlock(void* base) override;

 private:
  // The first commit of a run: the groups are looked up again (the process may have been moved), and
  // the stall count starts.
  void beginRun();
  void endRun();
  void* refuse();
  std::uint64_t blocksThatFit();

  // Kept open: status runs every 500 ms and before every commit. A meminfo over kSmallFileLimit (a
  // real one is under 2 KiB) is garbled and reads as no memory at all.
  ProcFile meminfo_;
  std::string pressurePath_;
  std::size_t heldBlocks_ = 0;
  std::uint64_t unverifiedCommits_ = 0;  // commits still covered by the last reading
  CgroupMemoryLimits cgroupLimits_;
  MemoryStallWatch stalls_;
  OomScoreBoost oomScore_;
};

}  // namespace lumaro::platform::linuxos
