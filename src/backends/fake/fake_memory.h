#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/memory.h"

namespace lumaro::platform::fake {

// Scripted memory status and recorded block commits and releases. Blocks are real memory, so that a
// client writing through them is checked (and, under the sanitizers, checked byte for byte).
class FakeMemory : public Memory {
 public:
  ~FakeMemory() override;

  MemoryStatus status() override;
  void* commitBlock() override;
  void releaseBlock(void* base) override;

  // The status every read returns.
  void setStatus(const MemoryStatus& status) { status_ = status; }
  // Commits succeed while fewer than `blocks` are held; then they are refused.
  void setHeldLimit(std::size_t blocks) { heldLimit_ = blocks; }

  const std::vector<void*>& commits() const { return commits_; }
  const std::vector<void*>& releases() const { return releases_; }
  std::size_t held() const { return held_.size(); }
  int refusedCommits() const { return refused_; }
  int statusReads() const { return statusReads_; }
  // Releases of an address not held (a fault in the client).
  int strayReleases() const { return strayReleases_; }

 private:
  MemoryStatus status_{};
  std::size_t heldLimit_ = SIZE_MAX;
  std::vector<void*> commits_;
  std::vector<void*> releases_;
  std::vector<std::unique_ptr<std::byte[]>> held_;
  int refused_ = 0;
  int statusReads_ = 0;
  int strayReleases_ = 0;
};

}  // namespace lumaro::platform::fake
