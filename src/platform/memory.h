#pragma once
#include <cstddef>
#include <cstdint>

namespace lumaro::platform {

// A snapshot of the machine's memory. Byte counts are 64-bit so that machines above 4 GiB fit.
struct MemoryStatus {
  std::uint32_t memoryLoad = 0;  // per cent of physical memory in use, 0..100
  std::uint64_t totalPhysical = 0;
  std::uint64_t availablePhysical = 0;
  std::uint64_t totalPageFile = 0;  // the commit limit: physical memory plus swap
  std::uint64_t availablePageFile = 0;
  std::uint64_t totalVirtual = 0;
  std::uint64_t availableVirtual = 0;
};

// Physical memory: status and the 1 MiB blocks an optimization claims.
class Memory {
 public:
  static constexpr std::size_t kBlockSize = std::size_t{1} << 20;

  virtual ~Memory() = default;

  // A fresh reading at every call. Never fails: a source that cannot be read gives zeros.
  virtual MemoryStatus status() = 0;

  // Commits one read-write block of kBlockSize bytes and returns its base, or nullptr when the
  // system refuses or when committing it would leave the machine short of memory. Memory counts as
  // used once written, so a caller writes each block before it claims the next.
  virtual void* commitBlock() = 0;

  // Gives a block returned by commitBlock back to the system. Every committed block is released once.
  virtual void releaseBlock(void* base) = 0;
};

}  // namespace lumaro::platform
