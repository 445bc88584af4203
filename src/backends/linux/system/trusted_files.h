#pragma once
#include <sys/stat.h>

#include <optional>
#include <string>

namespace lumaro::platform::linuxos {

// One open file descriptor, closed when it goes (errno survives the close).
class FileDescriptor {
 public:
  FileDescriptor() = default;
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  FileDescriptor& operator=(FileDescriptor&& other) noexcept;
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { reset(); }

  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }

 private:
  void reset();

  int fd_ = -1;
};

// What a file is wanted for. A read trusts the files of the running user and of root (who may change
// anything anyway); a replacement only the running user's own, since it hands the file to them.
enum class Access { Read, Replace };

// The folder a file lies in, open, and the file's name there. Everything done to the file goes
// through the descriptor, so it happens in the folder that was checked, whatever the path names later.
struct FilePlace {
  FileDescriptor folder;
  std::string name;
};

// The place of the file `path` names, when no other user can decide what lies there: the folder
// belongs to the running user or root and no other user may write it (a sticky shared folder such as
// /tmp included), and a symbolic link is followed only when it is trusted as the file would be and
// lies in such a folder too. Nothing otherwise, with errno telling why: ENOENT when a folder on the way
// is missing, EACCES when something on the way is not trusted.
std::optional<FilePlace> trustedPlace(const std::string& path, Access access);

// The status of the file `name` in `folder` when it is a regular file of a trusted owner. Nothing
// otherwise: errno is ENOENT when there is no file, EACCES when it is of another type or owner.
std::optional<struct stat> trustedFileStatus(int folder, const std::string& name, Access access);

// Opens `path` for reading when trustedPlace and trustedFileStatus allow it. The file is looked at
// before it is opened and opened without blocking, so that a FIFO or a device is never opened: it
// cannot hold the caller up. Invalid otherwise, with errno as those functions set it.
FileDescriptor openTrustedFile(const std::string& path);

}  // namespace lumaro::platform::linuxos
