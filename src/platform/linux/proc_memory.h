#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/linux/oom_score.h"
#include "platform/linux/proc_file.h"
#include "platform/memory.h"

namespace lumaro::platform::linuxos {

// Memory over /proc/meminfo (under procRoot(), resolved at construction) and anonymous mappings.
// A commit is refused when it would eat into commitReserve(); while any block is held the process's
// OOM score is raised.
class ProcMemory : public Memory {
 public:
  ProcMemory();

  MemoryStatus status() override;
  void* commitBlock() override;
  void releaseBlock(void* base) override;

 private:
  // Kept open: status runs every 500 ms and before every commit. A meminfo over kSmallFileLimit (a
  // real one is under 2 KiB) is garbled and reads as no memory at all.
  ProcFile meminfo_;
  std::size_t heldBlocks_ = 0;
  std::uint64_t unverifiedCommits_ = 0;  // commits still covered by the last reading
  OomScoreBoost oomScore_;
};

}  // namespace lumaro::platform::linuxos
