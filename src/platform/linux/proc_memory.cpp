#include "platform/linux/proc_memory.h"

#include <sys/mman.h>

#include "platform/linux/commit_reserve.h"
#include "platform/linux/meminfo_parser.h"
#include "platform/linux/proc_root.h"

namespace lumaro::platform::linuxos {

ProcMemory::ProcMemory() : meminfo_(procRoot() + "/meminfo", kSmallFileLimit) {}

MemoryStatus ProcMemory::status() {
  const auto text = meminfo_.read();
  return text ? parseMeminfo(*text) : MemoryStatus{};
}

void* ProcMemory::commitBlock() {
  if (unverifiedCommits_ == 0) unverifiedCommits_ = commitsBeforeRecheck(status());
  if (unverifiedCommits_ == 0) return nullptr;
  --unverifiedCommits_;
  void* base = ::mmap(nullptr, kBlockSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (base == MAP_FAILED) return nullptr;
  if (heldBlocks_++ == 0) oomScore_.raise();
  return base;
}

void ProcMemory::releaseBlock(void* base) {
  ::munmap(base, kBlockSize);
  if (--heldBlocks_ == 0) oomScore_.restore();
}

}  // namespace lumaro::platform::linuxos
