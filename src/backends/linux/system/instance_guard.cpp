#include "backends/linux/system/instance_guard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "backends/linux/system/runtime_directory.h"

namespace lumaro::platform::linuxos {

namespace {

constexpr int kOpenFlags = O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;

// A lock file of ours: a regular file this user owns that nobody else can write.
bool isOwnLockFile(int fd) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
         (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// Opens the lock file at `path`, creating it. Whatever else holds that name (a link, another user's
// file) is not ours to honour: in our private folder we may remove it and create our own.
int openLockFile(const std::string& path) {
  int fd = ::open(path.c_str(), kOpenFlags | O_CREAT, 0600);
  if (fd < 0 && errno != ELOOP) return -1;
  if (fd >= 0 && isOwnLockFile(fd)) return fd;
  if (fd >= 0) ::close(fd);
  if (::unlink(path.c_str()) != 0) return -1;
  fd = ::open(path.c_str(), kOpenFlags | O_CREAT | O_EXCL, 0600);
  if (fd >= 0 && isOwnLockFile(fd)) return fd;
  if (fd >= 0) ::close(fd);
  return -1;
}

}  // namespace

FlockInstanceGuard::~FlockInstanceGuard() {
  for (const int fd : lockFds_) ::close(fd);
}

bool FlockInstanceGuard::claim(const std::string& name) {
  const std::string directory = runtimeDirectory();
  if (directory.empty()) return false;
  const int fd = openLockFile(directory + "/" + name + ".lock");
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  lockFds_.push_back(fd);
  return true;
}

}  // namespace lumaro::platform::linuxos
