#include "backends/linux/system/paced_memory.h"

#include <charconv>
#include <cstring>
#include <thread>

#include "backends/linux/system/env.h"

namespace lumaro::platform::linuxos {

std::chrono::milliseconds PacedMemory::pauseFromEnvironment() {
  const char* text = nonEmptyEnv("LUMARO_COMMIT_PAUSE_MS");
  if (text == nullptr) return {};
  const char* end = text + std::strlen(text);
  int ms = 0;
  const auto [stop, error] = std::from_chars(text, end, ms);
  if (error != std::errc{} || stop != end || ms < 1 || ms > 1000) return {};
  return std::chrono::milliseconds(ms);
}

void* PacedMemory::commitBlock() {
  if (pause_.count() > 0) std::this_thread::sleep_for(pause_);
  return inner_.commitBlock();
}

}  // namespace lumaro::platform::linuxos
