#include "backends/linux/system/memory_stall_watch.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "backends/linux/system/text_scan.h"

namespace lumaro::platform::linuxos {

std::optional<std::uint64_t> parseSomeStallTotal(std::string_view text) {
  while (!text.empty()) {
    std::string_view line = takeLine(text);
    if (!line.starts_with("some ")) continue;
    const std::size_t at = line.find(" total=");
    if (at == std::string_view::npos) return std::nullopt;
    line.remove_prefix(at + 7);
    const auto total = takeNumber(line);
    if (!total || (!line.empty() && line.front() != ' ')) return std::nullopt;
    return total;
  }
  return std::nullopt;
}

std::optional<std::uint64_t> MemoryStallWatch::readTotal(int fd) {
  // Both lines take about 130 bytes; a longer text is not one we understand.
  char text[512];
  ssize_t got = -1;
  if (::lseek(fd, 0, SEEK_SET) == 0) {
    do {
      got = ::read(fd, text, sizeof text);
    } while (got < 0 && errno == EINTR);
  }
  if (got <= 0 || static_cast<std::size_t>(got) == sizeof text) return std::nullopt;
  return parseSomeStallTotal(std::string_view(text, static_cast<std::size_t>(got)));
}

void MemoryStallWatch::begin(const std::vector<std::string>& files) {
  end();
  for (const std::string& file : files) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) continue;
    if (const auto start = readTotal(fd)) {
      sources_.push_back({fd, *start});
    } else {
      ::close(fd);
    }
  }
}

std::uint64_t MemoryStallWatch::stalledSinceBegin() {
  std::uint64_t stalled = 0;
  for (const Source& source : sources_) {
    const auto now = readTotal(source.fd);
    if (now && *now > source.start) stalled = std::max(stalled, *now - source.start);
  }
  return stalled;
}

void MemoryStallWatch::end() {
  for (const Source& source : sources_) ::close(source.fd);
  sources_.clear();
}

}  // namespace lumaro::platform::linuxos
