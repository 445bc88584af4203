#pragma once
#include <cstdint>

namespace lumaro::system {

// Disk-cache slider positions: minimum and maximum in MB (0 is not set), block in units of 512 bytes.
struct CachePositions {
  int minimum;
  int maximum;
  int block;
};

// The best-performance disk cache for a machine with `totalMB` of memory: blocks of 8192 bytes, a
// sixteenth of the memory as the minimum and, above 32 MB, a quarter as the maximum.
inline CachePositions bestCache(std::int64_t totalMB) {
  return CachePositions{.minimum = static_cast<int>(totalMB / 16),
                        .maximum = totalMB > 32 ? static_cast<int>(totalMB / 4) : 0,
                        .block = 16};
}

}  // namespace lumaro::system
