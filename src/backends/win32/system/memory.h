#pragma once
#include "platform/memory.h"

namespace lumaro::platform::win32 {

// GlobalMemoryStatusEx, and blocks committed with VirtualAlloc. Every commit reads the status afresh
// (a cheap call) and is refused when it would eat into commitReserve().
class Win32Memory : public Memory {
 public:
  MemoryStatus status() override;
  void* commitBlock() override;
  void releaseBlock(void* base) override;
};

}  // namespace lumaro::platform::win32
