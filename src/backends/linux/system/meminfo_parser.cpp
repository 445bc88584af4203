#include "backends/linux/system/meminfo_parser.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "backends/linux/system/text_scan.h"

namespace lumaro::platform::linuxos {

namespace {

struct MeminfoKib {
  std::uint64_t total = 0;
  std::uint64_t free = 0;
  std::optional<std::uint64_t> available;
  std::uint64_t buffers = 0;
  std::uint64_t cached = 0;
  std::uint64_t swapTotal = 0;
  std::uint64_t swapFree = 0;

  void set(std::string_view key, std::uint64_t value) {
    if (key == "MemTotal")
      total = value;
    else if (key == "MemFree")
      free = value;
    else if (key == "MemAvailable")
      available = value;
    else if (key == "Buffers")
      buffers = value;
    else if (key == "Cached")
      cached = value;
    else if (key == "SwapTotal")
      swapTotal = value;
    else if (key == "SwapFree")
      swapFree = value;
  }
};

constexpr std::uint64_t kBytesPerKib = 1024;

// Figures too large for 64 bits stay at the largest value instead of wrapping round to small ones.
std::uint64_t bytesOf(std::uint64_t kib) {
  std::uint64_t bytes = 0;
  return __builtin_mul_overflow(kib, kBytesPerKib, &bytes) ? UINT64_MAX : bytes;
}

std::uint64_t sum(std::uint64_t a, std::uint64_t b) {
  std::uint64_t total = 0;
  return __builtin_add_overflow(a, b, &total) ? UINT64_MAX : total;
}

}  // namespace

MemoryStatus parseMeminfo(std::string_view text) {
  MeminfoKib kib;
  while (!text.empty()) {
    const std::string_view line = takeLine(text);
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    std::string_view rest = line.substr(colon + 1);
    if (const auto value = takeNumber(rest)) kib.set(line.substr(0, colon), *value);
  }

  MemoryStatus status;
  status.totalPhysical = bytesOf(kib.total);
  status.availablePhysical = bytesOf(kib.available.value_or(sum(sum(kib.free, kib.buffers), kib.cached)));
  status.totalPageFile = sum(status.totalPhysical, bytesOf(kib.swapTotal));
  status.availablePageFile = sum(status.availablePhysical, bytesOf(kib.swapFree));
  status.totalVirtual = status.totalPageFile;
  status.availableVirtual = status.availablePageFile;
  if (status.totalPhysical != 0) {
    const std::uint64_t used =
        status.totalPhysical - std::min(status.availablePhysical, status.totalPhysical);
    status.memoryLoad = static_cast<std::uint32_t>(mulDiv(used, 100, status.totalPhysical));
  }
  return status;
}

}  // namespace lumaro::platform::linuxos
