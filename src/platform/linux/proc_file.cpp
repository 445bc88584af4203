#include "platform/linux/proc_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace lumaro::platform::linuxos {

namespace {

// Enough for /proc/meminfo and for /proc/stat of a small machine.
constexpr std::size_t kInitialSize = 4096;

}  // namespace

std::optional<std::string_view> readWholeFile(const char* path, std::vector<char>& buffer) {
  const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  if (buffer.empty()) buffer.resize(kInitialSize);
  std::size_t size = 0;
  ssize_t got = 0;
  do {
    if (size == buffer.size()) buffer.resize(buffer.size() * 2);
    got = ::read(fd, buffer.data() + size, buffer.size() - size);
    if (got > 0) size += static_cast<std::size_t>(got);
  } while (got > 0 || (got < 0 && errno == EINTR));
  ::close(fd);
  if (got < 0) return std::nullopt;
  return std::string_view(buffer.data(), size);
}

}  // namespace lumaro::platform::linuxos
