#include "platform/linux/proc_file.h"

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

}  // namespace

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
  if (!open()) {
    close();
    return std::nullopt;
  }
  // One byte beyond the limit tells a file of exactly the limit from a longer one.
  const std::size_t capacity = limit_ + 1;
  if (buffer_.empty()) buffer_.resize(std::min(kInitialSize, capacity));
  std::size_t size = 0;
  ssize_t got = 0;
  do {
    if (size == buffer_.size()) {
      if (size == capacity) break;
      buffer_.resize(std::min(buffer_.size() * 2, capacity));
    }
    got = ::read(fd_, buffer_.data() + size, buffer_.size() - size);
    if (got > 0) size += static_cast<std::size_t>(got);
  } while (got > 0 || (got < 0 && errno == EINTR));
  const bool whole = got == 0;
  if (!whole || !keptOpen_) close();
  if (!whole) return std::nullopt;
  return std::string_view(buffer_.data(), size);
}

}  // namespace lumaro::platform::linuxos
