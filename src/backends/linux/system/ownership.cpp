#include "backends/linux/system/ownership.h"

#include <unistd.h>

#include <cerrno>

namespace lumaro::platform::linuxos {

Holder holderOf(const std::string& path, struct stat& status) {
  if (::lstat(path.c_str(), &status) != 0)
    return errno == ENOENT || errno == ENOTDIR ? Holder::Nobody : Holder::Other;
  if (status.st_uid != ::geteuid()) return Holder::Other;
  if (!S_ISLNK(status.st_mode)) return Holder::User;
  // A dangling link counts as another's: what it would lead to is not the user's yet.
  if (::stat(path.c_str(), &status) != 0) return Holder::Other;
  return status.st_uid == ::geteuid() ? Holder::User : Holder::Other;
}

bool isPrivateFolder(const struct stat& status) {
  return S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
         (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace lumaro::platform::linuxos
