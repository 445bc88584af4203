#include "backends/win32/system/memory.h"

#include <windows.h>

#include "backends/shared/commit_reserve.h"

namespace lumaro::platform::win32 {

MemoryStatus Win32Memory::status() {
  MEMORYSTATUSEX record{};
  record.dwLength = sizeof record;
  if (!::GlobalMemoryStatusEx(&record)) return {};
  return MemoryStatus{.memoryLoad = record.dwMemoryLoad,
                      .totalPhysical = record.ullTotalPhys,
                      .availablePhysical = record.ullAvailPhys,
                      .totalPageFile = record.ullTotalPageFile,
                      .availablePageFile = record.ullAvailPageFile,
                      .totalVirtual = record.ullTotalVirtual,
                      .availableVirtual = record.ullAvailVirtual};
}

void* Win32Memory::commitBlock() {
  if (blocksAboveReserve(status()) == 0) return nullptr;
  // Cached read/write pages rather than uncached ones (PAGE_NOCACHE): writing every byte of an
  // uncached block is many times slower on current processors, and the system claims the same
  // physical pages either way, which is all the optimization is after.
  return ::VirtualAlloc(nullptr, kBlockSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void Win32Memory::releaseBlock(void* base) {
  ::VirtualFree(base, 0, MEM_RELEASE);
}

}  // namespace lumaro::platform::win32
