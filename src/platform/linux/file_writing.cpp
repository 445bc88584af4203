#include "platform/linux/file_writing.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <optional>

#include "platform/linux/paths.h"

namespace lumaro::platform::linuxos {

namespace {

constexpr std::string_view kTemporarySuffix = ".tmp";

// ".<name>.<pid>.<counter>.tmp": hidden, and telling which process made it.
std::string temporaryName(const std::string& name, unsigned counter) {
  return '.' + name + '.' + std::to_string(::getpid()) + '.' + std::to_string(counter) +
         std::string(kTemporarySuffix);
}

// The process that made `entry` when it is a temporary file of a write of `name`.
std::optional<pid_t> temporaryFileOwner(std::string_view entry, const std::string& name) {
  const std::string prefix = '.' + name + '.';
  if (!entry.starts_with(prefix) || !entry.ends_with(kTemporarySuffix)) return std::nullopt;
  entry = entry.substr(prefix.size(), entry.size() - prefix.size() - kTemporarySuffix.size());
  pid_t pid = 0;
  unsigned counter = 0;
  const char* end = entry.data() + entry.size();
  const auto [dot, pidError] = std::from_chars(entry.data(), end, pid);
  if (pidError != std::errc{} || pid <= 0 || dot == end || *dot != '.') return std::nullopt;
  const auto [last, counterError] = std::from_chars(dot + 1, end, counter);
  if (counterError != std::errc{} || last != end) return std::nullopt;
  return pid;
}

bool isRunning(pid_t pid) {
  return ::kill(pid, 0) == 0 || errno != ESRCH;
}

struct FolderAndName {
  std::string folder;
  std::string name;
};

FolderAndName splitPath(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return {".", path};
  return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// The temporary file of one write: unnamed while it is written, where the file system allows, so that
// a process killed meanwhile leaves nothing behind; named only for the rename.
class TempFile {
 public:
  TempFile(std::string folder, std::string name) : folder_(std::move(folder)), name_(std::move(name)) {}
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!namedPath_.empty()) ::unlink(namedPath_.c_str());
  }

  int fd() const { return fd_; }

  bool open() {
    // The unnamed file gets its name through /proc, so without /proc it is no use.
    if (::access("/proc/self/fd", F_OK) == 0)
      fd_ = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd_ >= 0) return true;
    // Otherwise (no unnamed files on this file system, or no /proc): a fresh name, made exclusively.
    return createNamed([this](const std::string& path) {
      fd_ = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
      return fd_ >= 0;
    });
  }

  // Gives the written file the target's name in one step.
  bool commit(const std::string& target) {
    if (namedPath_.empty()) {
      const std::string self = "/proc/self/fd/" + std::to_string(fd_);
      const bool linked = createNamed([&self](const std::string& path) {
        return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0;
      });
      if (!linked) return false;
    }
    if (::rename(namedPath_.c_str(), target.c_str()) != 0) return false;
    namedPath_.clear();
    return true;
  }

 private:
  // Tries fresh names beside the target until `create` succeeds, or fails for another reason than
  // the name being taken.
  template <class Create>
  bool createNamed(Create create) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string path = folder_ + '/' + temporaryName(name_, counter++);
      if (create(path)) {
        namedPath_ = std::move(path);
        return true;
      }
      if (errno != EEXIST) return false;
    }
    return false;
  }

  std::string folder_;
  std::string name_;
  int fd_ = -1;
  std::string namedPath_;
};

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The old file's permissions, when there is one; a new file keeps what the umask gave it.
bool keepMode(int fd, const std::string& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) != 0) return true;
  return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// An existing file that this process may not write, or that nobody may (read-only for root as well),
// keeps its content: replacing it through the folder would defeat the protection.
bool isProtected(const std::string& target) {
  struct stat info {};
  if (::stat(target.c_str(), &info) != 0) return false;
  return (info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0;
}

// Where a symbolic link points, so that writing through it keeps the link.
std::string followLinks(const std::string& path) {
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

}  // namespace

bool makeDirectories(const std::string& folder) {
  if (folder.empty() || isDirectory(folder)) return true;
  const auto slash = folder.rfind('/');
  if (slash != std::string::npos && slash > 0 && !makeDirectories(folder.substr(0, slash))) return false;
  return ::mkdir(folder.c_str(), 0700) == 0 || (errno == EEXIST && isDirectory(folder));
}

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string target = followLinks(path);
  const auto [folder, name] = splitPath(target);
  if (!makeDirectories(folder) || isProtected(target)) return false;
  TempFile temp(folder, name);
  return temp.open() && writeAll(temp.fd(), bytes) && keepMode(temp.fd(), target) &&
         ::fsync(temp.fd()) == 0 && temp.commit(target);
}

void removeStaleTemporaryFiles(const std::string& path) {
  const auto [folder, name] = splitPath(followLinks(path));
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const auto owner = temporaryFileOwner(entry->d_name, name);
    if (owner && *owner != ::getpid() && !isRunning(*owner)) ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

}  // namespace lumaro::platform::linuxos
