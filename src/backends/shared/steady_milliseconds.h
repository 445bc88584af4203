#pragma once
#include <chrono>
#include <cstdint>

namespace lumaro::platform {

// The standard steady clock in whole milliseconds: on Linux the monotonic clock, on Windows the
// performance counter (the system tick count would move in steps of up to 16 ms).
inline std::uint64_t steadyMilliseconds() {
  using namespace std::chrono;
  return static_cast<std::uint64_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace lumaro::platform
