#pragma once
#include <cstdint>

#include "platform/memory.h"
#include "toolkit/core/component.h"
#include "toolkit/core/event.h"

namespace lumaro::engine {

// The optimizer: claims a number of 1 MiB blocks, writes every byte of each so that the system has to
// back all their pages at once, then gives them all back. Progress runs over both halves; a run can
// be cancelled from its own callbacks, and a nested call while one runs is refused.
class TMaxMem : public toolkit::Component {
 public:
  static constexpr int kMaxBlocks = 1024;

  using ProgressEvent = toolkit::Event<toolkit::Component&, int>;

  TMaxMem(toolkit::Component* owner, platform::Memory& memory);

  // Total physical memory in bytes: read at creation, and taken again from a later reading the caller
  // found plausible (a source that could not be read at creation, memory added or removed since).
  std::int64_t TotalMemory() const { return totalMemory_; }
  void TakeTotalMemory(const platform::MemoryStatus& reading);
  // Available physical memory in bytes, read fresh at every call.
  std::int64_t FreeMemory() const;

  // One optimization of `blockCount` blocks (at most kMaxBlocks; zero or less claims nothing). Its
  // outcome is reported only through the events. A commit the system refuses ends the claim: every
  // block held is released and the run ends as a cancelled one does.
  void Defrag(int blockCount);
  // Asks a running Defrag to stop at its next progress point.
  void Cancel() { cancelRequest_ = true; }
  bool busy() const { return busy_; }

  toolkit::NotifyEvent OnBeforeDefrag;
  ProgressEvent OnProgress;
  toolkit::NotifyEvent OnAfterDefrag;

 private:
  struct BlockTable;
  void run(int blockCount, BlockTable& table);
  void reportProgress(int done, int total);
  void finish();

  platform::Memory& memory_;
  bool cancelRequest_ = false;
  std::int64_t totalMemory_;
  bool busy_ = false;
};

// The share of `done` in `total` as a whole percentage, an exact half going to the even neighbour.
int progressPercent(int done, int total);

// Writes a zero over every 32-bit word of a block, lowest address first.
void fillBlock(void* base);

}  // namespace lumaro::engine
