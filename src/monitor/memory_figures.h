#pragma once
#include <algorithm>
#include <concepts>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>

#include "platform/memory.h"

namespace lumaro::monitor {

// The largest megabyte figure the program's 32-bit figures can hold (almost 2 PiB).
inline constexpr std::int64_t kMaxMegabytes = std::numeric_limits<std::int32_t>::max();

// Whole mebibytes of a byte count, signed as the engine's figures or unsigned as the platform reports
// them; every division truncates. Larger memories count as kMaxMegabytes, so that every figure derived
// from it fits 32 bits.
template <std::integral Bytes>
constexpr std::int64_t megabytes(Bytes bytes) {
  if constexpr (std::is_signed_v<Bytes>) {
    return std::min<std::int64_t>(bytes / 1024 / 1024, kMaxMegabytes);
  } else {
    return static_cast<std::int64_t>(
        std::min<std::uint64_t>(bytes / 1024 / 1024, static_cast<std::uint64_t>(kMaxMegabytes)));
  }
}

// `percent` per cent of `totalMB`, multiplication first, truncating.
constexpr std::int64_t shareOf(std::int64_t totalMB, int percent) {
  return totalMB * percent / 100;
}

// FreeMB as a share of TotalMB in whole per cent (0 for a machine that reports no memory).
constexpr std::int64_t freePercent(std::int64_t freeMB, std::int64_t totalMB) {
  return totalMB == 0 ? 0 : freeMB * 100 / totalMB;
}

// Whether a reading can be right: at least a megabyte of physical memory (no machine that runs this
// program has less), no more of it available than there is, no more page file available than there
// is, a load of at most 100 %. Anything else is a garbled source.
bool plausible(const platform::MemoryStatus& status);

// The memory load followed by "%".
std::string memoryLoadText(const platform::MemoryStatus& status);

// "<available in MiB, two decimals, halves away from zero>M (<whole per cent of total>%)", with the user's
// decimal separator: 123,46M (24%). A total of 0 shows 0%.
std::string freeAmountText(std::uint64_t available, std::uint64_t total, const std::string& decimalSeparator);

}  // namespace lumaro::monitor
