#include "backends/linux/system/memory.h"

#include <sys/mman.h>

#include <algorithm>

#include "backends/linux/system/meminfo_parser.h"
#include "backends/linux/system/proc_root.h"
#include "backends/shared/commit_reserve.h"

namespace lumaro::platform::linuxos {

ProcMemory::ProcMemory()
    : meminfo_(procRoot() + "/meminfo", kSmallFileLimit), pressurePath_(procRoot() + "/pressure/memory") {}

MemoryStatus ProcMemory::status() {
  const auto text = meminfo_.read();
  return text ? parseMeminfo(*text) : MemoryStatus{};
}

void ProcMemory::beginRun() {
  const CgroupFolders folders = cgroupFoldersOfThisProcess();
  cgroupLimits_ = CgroupMemoryLimits(folders);
  std::vector<std::string> pressureFiles{pressurePath_};
  if (folders.unified) pressureFiles.push_back((*folders.unified / "memory.pressure").string());
  stalls_.begin(pressureFiles);
  // A reading from an earlier run says nothing about now.
  unverifiedCommits_ = 0;
}

void ProcMemory::endRun() {
  stalls_.end();
}

void* ProcMemory::refuse() {
  if (heldBlocks_ == 0) endRun();
  return nullptr;
}

std::uint64_t ProcMemory::blocksThatFit() {
  const std::uint64_t machine = blocksAboveReserve(status());
  return std::min(machine, cgroupLimits_.blocksAboveReserve().value_or(machine));
}

void* ProcMemory::commitBlock() {
  if (heldBlocks_ == 0) beginRun();
  if (stalls_.overBudget()) return refuse();
  if (unverifiedCommits_ == 0) unverifiedCommits_ = commitsBeforeRecheck(blocksThatFit());
  if (unverifiedCommits_ == 0) return refuse();
  --unverifiedCommits_;
  void* base = ::mmap(nullptr, kBlockSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (base == MAP_FAILED) return refuse();
  if (heldBlocks_++ == 0) oomScore_.raise();
  return base;
}

void ProcMemory::releaseBlock(void* base) {
  ::munmap(base, kBlockSize);
  if (--heldBlocks_ == 0) {
    oomScore_.restore();
    endRun();
  }
}

}  // namespace lumaro::platform::linuxos
