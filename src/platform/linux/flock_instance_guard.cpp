#include "platform/linux/flock_instance_guard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/linux/runtime_directory.h"

namespace lumaro::platform::linuxos {

FlockInstanceGuard::~FlockInstanceGuard() {
  for (const int fd : lockFds_) ::close(fd);
}

bool FlockInstanceGuard::claim(const std::string& name) {
  const std::string path = runtimeDirectory() + "/" + name + ".lock";
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  lockFds_.push_back(fd);
  return true;
}

}  // namespace lumaro::platform::linuxos
