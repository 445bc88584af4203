#include "platform/linux/linux_files.h"

#include <limits.h>
#include <unistd.h>

#include "platform/linux/env.h"
#include "platform/linux/paths.h"
#include "platform/linux/xdg_dirs.h"

namespace lumaro::platform::linuxos {

bool LinuxFiles::fileExists(const std::string& path) {
  return isRegularFile(path);
}

std::string LinuxFiles::executablePath() {
  // Always the real /proc: this names our own executable.
  std::string path(PATH_MAX, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
  path.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return path;
}

std::string LinuxFiles::windowsDirectory() {
  if (const char* dir = nonEmptyEnv("LUMARO_WINDOWS_DIR")) return withoutTrailingSeparators(dir);
  return xdgDataHome() + "/lumaro/windows";
}

std::string LinuxFiles::configDirectory() {
  return xdgConfigHome() + "/lumaro";
}

}  // namespace lumaro::platform::linuxos
