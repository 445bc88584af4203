#include "backends/linux/system/trusted_files.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <vector>

#include "backends/linux/system/paths.h"

namespace lumaro::platform::linuxos {

namespace {

// As many links as the kernel follows in one path.
constexpr int kMaxLinks = 40;

bool trustedOwner(uid_t owner, Access access) {
  return owner == ::geteuid() || (access == Access::Read && owner == 0);
}

// Runs a getpwuid_r-like `lookup(entry, buffer, size, result)` with a buffer that grows until the
// entry fits. The entry, or null when there is none.
template <class Entry, class Lookup>
Entry* lookUp(Entry& entry, std::vector<char>& buffer, Lookup lookup) {
  buffer.resize(4096);
  for (;;) {
    Entry* found = nullptr;
    const int error = lookup(&entry, buffer.data(), buffer.size(), &found);
    if (error != ERANGE || buffer.size() >= (1u << 20)) return error == 0 ? found : nullptr;
    buffer.resize(buffer.size() * 2);
  }
}

// Whether `id` is the running user's private group: the user's primary group, named after the user,
// with no other member. Where every user has one (umask 002), the user's folders are group-writable,
// yet no other user may write them.
bool isOwnPrivateGroup(gid_t id) {
  passwd user{};
  std::vector<char> userBuffer;
  if (lookUp(user, userBuffer, std::bind_front(&::getpwuid_r, ::geteuid())) == nullptr || user.pw_gid != id)
    return false;
  group entry{};
  std::vector<char> groupBuffer;
  if (lookUp(entry, groupBuffer, std::bind_front(&::getgrgid_r, id)) == nullptr ||
      std::strcmp(entry.gr_name, user.pw_name) != 0)
    return false;
  for (char** member = entry.gr_mem; *member != nullptr; ++member)
    if (std::strcmp(*member, user.pw_name) != 0) return false;
  return true;
}

bool othersMayWrite(const struct stat& info) {
  if ((info.st_mode & S_IWOTH) != 0) return true;
  return (info.st_mode & S_IWGRP) != 0 && !isOwnPrivateGroup(info.st_gid);
}

bool isTrustedFolder(int folder) {
  struct stat info {};
  return ::fstat(folder, &info) == 0 && S_ISDIR(info.st_mode) && trustedOwner(info.st_uid, Access::Read) &&
         !othersMayWrite(info);
}

std::optional<std::string> linkTarget(int folder, const std::string& name) {
  std::string target(256, '\0');
  for (;;) {
    const ssize_t length = ::readlinkat(folder, name.c_str(), target.data(), target.size());
    if (length < 0) return std::nullopt;
    if (static_cast<std::size_t>(length) < target.size()) {
      target.resize(static_cast<std::size_t>(length));
      return target;
    }
    target.resize(target.size() * 2);
  }
}

// Fails a lookup because something on the way is not trusted.
std::nullopt_t refuse() {
  errno = EACCES;
  return std::nullopt;
}

}  // namespace

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
  if (this != &other) {
    reset();
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

void FileDescriptor::reset() {
  if (fd_ < 0) return;
  const int error = errno;
  ::close(fd_);
  fd_ = -1;
  errno = error;
}

std::optional<FilePlace> trustedPlace(const std::string& path, Access access) {
  // A relative link is resolved from the folder that holds it.
  FileDescriptor base;
  std::string next = path;
  for (int links = 0;; ++links) {
    auto [folderPath, name] = splitPath(next);
    if (name.empty() || name == "." || name == "..") {
      errno = EISDIR;
      return std::nullopt;
    }
    // A path descriptor: a folder the user may pass through but not list (a home of mode 0711) serves.
    FileDescriptor folder(
        ::openat(base ? base.get() : AT_FDCWD, folderPath.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder) return std::nullopt;
    if (!isTrustedFolder(folder.get())) return refuse();
    // No other user can change what lies at the name now.
    struct stat info {};
    if (::fstatat(folder.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(info.st_mode))
      return FilePlace{std::move(folder), std::move(name)};
    if (!trustedOwner(info.st_uid, access) || links == kMaxLinks) return refuse();
    auto target = linkTarget(folder.get(), name);
    if (!target) return std::nullopt;
    next = std::move(*target);
    base = std::move(folder);
  }
}

std::optional<struct stat> trustedFileStatus(int folder, const std::string& name, Access access) {
  struct stat info {};
  if (::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return std::nullopt;
  if (!S_ISREG(info.st_mode) || !trustedOwner(info.st_uid, access)) return refuse();
  return info;
}

FileDescriptor openTrustedFile(const std::string& path) {
  const auto place = trustedPlace(path, Access::Read);
  if (!place) return {};
  const auto looked = trustedFileStatus(place->folder.get(), place->name, Access::Read);
  if (!looked) return {};
  FileDescriptor file(::openat(place->folder.get(), place->name.c_str(),
                               O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
  struct stat opened {};
  if (!file || ::fstat(file.get(), &opened) != 0) return {};
  // Still the file that was looked at: only its owner or root could have put another there.
  if (opened.st_dev == looked->st_dev && opened.st_ino == looked->st_ino) return file;
  refuse();
  return {};
}

}  // namespace lumaro::platform::linuxos
