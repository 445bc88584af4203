#include "backends/linux/system/atomic_file_write.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <optional>

#include "backends/linux/system/paths.h"
#include "backends/linux/system/trusted_files.h"

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

// The temporary file of one write, in the folder of the file it replaces: unnamed while it is written,
// where the file system allows, so that a process killed meanwhile leaves nothing behind; named only
// for the rename.
class TempFile {
 public:
  explicit TempFile(const FilePlace& place) : place_(place) {}
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (!namedAs_.empty()) ::unlinkat(folder(), namedAs_.c_str(), 0);
  }

  int fd() const { return file_.get(); }

  // Created with `mode` less the umask.
  bool open(mode_t mode) {
    // The unnamed file gets its name through /proc, so without /proc it is no use.
    if (::access("/proc/self/fd", F_OK) == 0)
      file_ = FileDescriptor(::openat(folder(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
    if (file_) return true;
    // Otherwise (no unnamed files on this file system, or no /proc): a fresh name, made exclusively.
    return createNamed([this, mode](const std::string& name) {
      file_ = FileDescriptor(::openat(folder(), name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode));
      return static_cast<bool>(file_);
    });
  }

  // Gives the written file the target's name in one step.
  bool commit() {
    if (namedAs_.empty()) {
      const std::string self = "/proc/self/fd/" + std::to_string(fd());
      const bool linked = createNamed([this, &self](const std::string& name) {
        return ::linkat(AT_FDCWD, self.c_str(), folder(), name.c_str(), AT_SYMLINK_FOLLOW) == 0;
      });
      if (!linked) return false;
    }
    if (::renameat(folder(), namedAs_.c_str(), folder(), place_.name.c_str()) != 0) return false;
    namedAs_.clear();
    return true;
  }

 private:
  int folder() const { return place_.folder.get(); }

  // Tries fresh names beside the target until `create` succeeds, or fails for another reason than
  // the name being taken.
  template <class Create>
  bool createNamed(Create create) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string name = temporaryName(place_.name, counter++);
      if (create(name)) {
        namedAs_ = std::move(name);
        return true;
      }
      if (errno != EEXIST) return false;
    }
    return false;
  }

  const FilePlace& place_;
  FileDescriptor file_;
  std::string namedAs_;
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

// A file nobody may write (made read-only, which holds for root as well), or that its owner may not,
// keeps its content: replacing it through the folder would defeat the protection.
bool isProtected(const struct stat& old) {
  return (old.st_mode & (::geteuid() == 0 ? 0222 : S_IWUSR)) == 0;
}

}  // namespace

bool makeDirectories(const std::string& folder) {
  if (folder.empty() || isDirectory(folder)) return true;
  const auto slash = folder.rfind('/');
  if (slash != std::string::npos && slash > 0 && !makeDirectories(folder.substr(0, slash))) return false;
  return ::mkdir(folder.c_str(), 0700) == 0 || (errno == EEXIST && isDirectory(folder));
}

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
  if (!makeDirectories(splitPath(path).folder)) return false;
  const auto place = trustedPlace(path, Access::Replace);
  if (!place) return false;
  const auto old = trustedFileStatus(place->folder.get(), place->name, Access::Replace);
  if (old ? isProtected(*old) : errno != ENOENT) return false;
  // The old file's permission bits, never more (no set-id or sticky bit); a new file has what the
  // umask leaves of read and write for all.
  const mode_t mode = old ? (old->st_mode & 0777) : 0666;
  TempFile temp(*place);
  return temp.open(mode) && (!old || ::fchmod(temp.fd(), mode) == 0) && writeAll(temp.fd(), bytes) &&
         ::fsync(temp.fd()) == 0 && temp.commit();
}

void removeStaleTemporaryFiles(const std::string& path) {
  const auto place = trustedPlace(path, Access::Replace);
  if (!place) return;
  // The listing needs a descriptor that may read the folder; closedir closes it.
  const int listing = ::openat(place->folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  DIR* dir = listing >= 0 ? ::fdopendir(listing) : nullptr;
  if (dir == nullptr) {
    if (listing >= 0) ::close(listing);
    return;
  }
  while (const dirent* entry = ::readdir(dir)) {
    const auto owner = temporaryFileOwner(entry->d_name, place->name);
    if (!owner || *owner == ::getpid() || isRunning(*owner)) continue;
    // Only a file of ours: whatever else has such a name is not a leftover of a write.
    if (trustedFileStatus(::dirfd(dir), entry->d_name, Access::Replace))
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

}  // namespace lumaro::platform::linuxos
