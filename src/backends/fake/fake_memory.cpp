#include "backends/fake/fake_memory.h"

#include <algorithm>

namespace lumaro::platform::fake {

FakeMemory::~FakeMemory() = default;

MemoryStatus FakeMemory::status() {
  ++statusReads_;
  return status_;
}

void* FakeMemory::commitBlock() {
  if (held_.size() >= heldLimit_) {
    ++refused_;
    return nullptr;
  }
  held_.push_back(std::make_unique<std::byte[]>(kBlockSize));
  void* base = held_.back().get();
  commits_.push_back(base);
  return base;
}

void FakeMemory::releaseBlock(void* base) {
  auto found =
      std::find_if(held_.begin(), held_.end(), [base](const auto& block) { return block.get() == base; });
  if (found == held_.end()) {
    ++strayReleases_;
    return;
  }
  releases_.push_back(base);
  held_.erase(found);
}

}  // namespace lumaro::platform::fake
