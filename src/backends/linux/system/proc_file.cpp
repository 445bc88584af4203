#include "backends/linux/system/proc_file.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace lumaro::platform::linuxos {

namespace {

// Enough for /proc/meminfo and for /proc/stat of a small machine.
constexpr std::size_t kInitialSize = 4096;

bool onProcFileSystem(int fd) {
  struct statfs info {};
  return ::fstatfs(fd, &info) == 0 && info.f_type == PROC_SUPER_MAGIC;
}

// Reads from the descriptor's position to the end of the file into `buffer`, which grows up to
// `limit` + 1 bytes (the extra byte tells a file of exactly the limit from a longer one). Nothing
// when the file is longer than the limit or cannot be read.
std::optional<std::string_view> readToEnd(int fd, std::vector<char>& buffer, std::size_t limit) {
  const std::size_t capacity = limit + 1;
  if (buffer.empty()) buffer.resize(std::min(kInitialSize, capacity));
  std::size_t size = 0;
  ssize_t got = 0;
  do {
    // A buffer grown by a larger limit before holds no more than this limit allows.
    std::size_t room = std::min(buffer.size(), capacity);
    if (size == room) {
      if (room == capacity) return std::nullopt;
      buffer.resize(std::min(buffer.size() * 2, capacity));
      room = buffer.size();
    }
    got = ::read(fd, buffer.data() + size, room - size);
    if (got > 0) size += static_cast<std::size_t>(got);
  } while (got > 0 || (got < 0 && errno == EINTR));
  if (got < 0) return std::nullopt;
  return std::string_view(buffer.data(), size);
}

}  // namespace

std::optional<std::string_view> readWholeFile(const char* path, std::vector<char>& buffer,
                                              std::size_t limit) {
  const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  const auto text = readToEnd(fd, buffer, limit);
  ::close(fd);
  return text;
}

ProcFile::ProcFile(std::string path, std::size_t limit) : path_(std::move(path)), limit_(limit) {}

ProcFile::~ProcFile() {
  close();
}

bool ProcFile::open() {
  if (fd_ >= 0) return ::lseek(fd_, 0, SEEK_SET) == 0;
  fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) return false;
  keptOpen_ = onProcFileSystem(fd_);
  return true;
}

void ProcFile::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

std::optional<std::string_view> ProcFile::read() {
  const auto text = open() ? readToEnd(fd_, buffer_, limit_) : std::nullopt;
  // A failed read may mean a stale descriptor: the next read opens the file afresh.
  if (!text || !keptOpen_) close();
  return text;
}

}  // namespace lumaro::platform::linuxos
