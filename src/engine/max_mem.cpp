#include "engine/max_mem.h"

#include <algorithm>
#include <array>
#include <limits>

namespace lumaro::engine {

namespace {

// A byte count as the engine's signed figure; counts beyond it stay at its largest value.
std::int64_t signedBytes(std::uint64_t bytes) {
  return static_cast<std::int64_t>(std::min<std::uint64_t>(bytes, std::numeric_limits<std::int64_t>::max()));
}

}  // namespace

TMaxMem::TMaxMem(toolkit::Component* owner, platform::Memory& memory)
    : Component(owner), memory_(memory), totalMemory_(signedBytes(memory.status().totalPhysical)) {}

void TMaxMem::TakeTotalMemory(const platform::MemoryStatus& reading) {
  totalMemory_ = signedBytes(reading.totalPhysical);
}

std::int64_t TMaxMem::FreeMemory() const {
  return signedBytes(memory_.status().availablePhysical);
}

int progressPercent(int done, int total) {
  // Integer arithmetic keeps exact halves exact, so they round to even as intended.
  const long long scaled = 100LL * done;
  const long long quotient = scaled / total;
  const long long twiceRemainder = 2 * (scaled % total);
  if (twiceRemainder > total || (twiceRemainder == total && quotient % 2 != 0))
    return static_cast<int>(quotient + 1);
  return static_cast<int>(quotient);
}

void fillBlock(void* base) {
  std::fill_n(static_cast<std::uint32_t*>(base), platform::Memory::kBlockSize / sizeof(std::uint32_t), 0u);
}

void TMaxMem::reportProgress(int done, int total) {
  if (OnProgress) OnProgress(*this, progressPercent(done, total));
}

void TMaxMem::finish() {
  busy_ = false;
  OnAfterDefrag(*this);
}

// The blocks of one run; entries first..end-1 are held, and are always given back in ascending order.
struct TMaxMem::BlockTable {
  std::array<void*, kMaxBlocks + 1> base{};
  int first = 0;
  int end = 0;

  void releaseHeld(platform::Memory& memory) {
    for (; first < end; ++first) memory.releaseBlock(base[first]);
  }
};

void TMaxMem::Defrag(int blockCount) {
  cancelRequest_ = false;
  if (busy_) return;
  busy_ = true;
  BlockTable table;
  try {
    OnBeforeDefrag(*this);
    run(std::min(blockCount, kMaxBlocks), table);
  } catch (...) {
    // A failing handler must not leave blocks held or the engine busy for good.
    table.releaseHeld(memory_);
    busy_ = false;
    try {
      OnAfterDefrag(*this);
    } catch (...) {
    }
    throw;
  }
  finish();
}

void TMaxMem::run(int n, BlockTable& table) {
  const int total = 2 * n;
  int done = 0;
  for (int i = 0; i < n; ++i) {
    void* block = memory_.commitBlock();
    if (block == nullptr) {
      table.releaseHeld(memory_);
      return;
    }
    table.base[table.end++] = block;
    fillBlock(block);
    reportProgress(++done, total);
    if (cancelRequest_) {
      table.releaseHeld(memory_);
      return;
    }
  }
  while (table.first < table.end) {
    memory_.releaseBlock(table.base[table.first++]);
    reportProgress(++done, total);
    if (cancelRequest_) {
      table.releaseHeld(memory_);
      return;
    }
  }
}

}  // namespace lumaro::engine
