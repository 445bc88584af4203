#include "platform/linux/linux_file_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "platform/linux/file_writing.h"
#include "platform/linux/paths.h"

namespace lumaro::platform::linuxos {

void LinuxFileStore::tidyOnce(const std::string& path) {
  if (tidied_.insert(path).second) removeStaleTemporaryFiles(path);
}

FileStore::Content LinuxFileStore::read(const std::string& path) {
  tidyOnce(path);
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    const bool missing = errno == ENOENT || errno == ENOTDIR;
    return Content{missing ? ReadStatus::Missing : ReadStatus::Failed, {}};
  }
  Content content{ReadStatus::Read, {}};
  struct stat info {};
  // A file known to be too large is refused before a byte of it is read.
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      static_cast<std::uint64_t>(info.st_size) > kMaxFileSize)
    content.status = ReadStatus::Failed;
  char buffer[65536];
  while (content.status == ReadStatus::Read) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 || content.bytes.size() + static_cast<std::size_t>(got) > kMaxFileSize) {
      content.status = ReadStatus::Failed;
    } else {
      content.bytes.append(buffer, static_cast<std::size_t>(got));
    }
  }
  ::close(fd);
  if (content.status != ReadStatus::Read) content.bytes.clear();
  return content;
}

bool LinuxFileStore::write(const std::string& path, std::string_view bytes) {
  tidyOnce(path);
  return writeFileAtomically(path, bytes);
}

bool LinuxFileStore::canCreateIn(const std::string& directory) {
  return isDirectory(directory) && ::access(directory.c_str(), W_OK | X_OK) == 0;
}

}  // namespace lumaro::platform::linuxos
