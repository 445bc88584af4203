#pragma once
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace lumaro::fuzz {

// A broken expectation is a finding: abort, so that libFuzzer saves the input.
inline void require(bool condition) {
  if (!condition) std::abort();
}

inline std::string_view textOf(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace lumaro::fuzz
