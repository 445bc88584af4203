#include "backends/linux/system/file_store.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "backends/linux/system/atomic_file_write.h"
#include "backends/linux/system/paths.h"
#include "backends/linux/system/trusted_files.h"

namespace lumaro::platform::linuxos {

namespace {

class DescriptorFile : public WholeFileStore::OpenFile {
 public:
  explicit DescriptorFile(FileDescriptor fd) : fd_(std::move(fd)) {}

  std::optional<std::uint64_t> size() override {
    struct stat info {};
    if (::fstat(fd_.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return static_cast<std::uint64_t>(info.st_size);
  }

  std::optional<std::size_t> readSome(char* buffer, std::size_t room) override {
    for (;;) {
      const ssize_t got = ::read(fd_.get(), buffer, room);
      if (got >= 0) return static_cast<std::size_t>(got);
      if (errno != EINTR) return std::nullopt;
    }
  }

 private:
  FileDescriptor fd_;
};

}  // namespace

WholeFileStore::Opened LinuxFileStore::open(const std::string& path) {
  FileDescriptor fd = openTrustedFile(path);
  if (!fd) return Opened{errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Failed, {}};
  return Opened{ReadStatus::Read, std::make_unique<DescriptorFile>(std::move(fd))};
}

bool LinuxFileStore::replace(const std::string& path, std::string_view bytes) {
  return writeFileAtomically(path, bytes);
}

void LinuxFileStore::removeLeftovers(const std::string& path) {
  removeStaleTemporaryFiles(path);
}

bool LinuxFileStore::canCreateIn(const std::string& directory) {
  return isDirectory(directory) && ::access(directory.c_str(), W_OK | X_OK) == 0;
}

}  // namespace lumaro::platform::linuxos
