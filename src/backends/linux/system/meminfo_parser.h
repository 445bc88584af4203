#pragma once
#include <string_view>

#include "platform/memory.h"

namespace lumaro::platform::linuxos {

// The memory status in a /proc/meminfo text. Physical memory is MemTotal and MemAvailable (on kernels
// before 3.14, which lack MemAvailable: MemFree + Buffers + Cached); the page file adds swap to both.
// The virtual figures repeat the page file's. Missing or unreadable lines count as 0.
MemoryStatus parseMeminfo(std::string_view text);

}  // namespace lumaro::platform::linuxos
