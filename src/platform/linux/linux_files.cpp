#include "platform/linux/linux_files.h"

#include <limits.h>
#include <pwd.h>
#include <unistd.h>

#include "platform/linux/env.h"
#include "platform/linux/paths.h"

namespace lumaro::platform::linuxos {

namespace {

// The XDG convention ignores a relative XDG_DATA_HOME.
std::string dataHome() {
  const char* xdg = nonEmptyEnv("XDG_DATA_HOME");
  if (xdg != nullptr && *xdg == '/') return xdg;
  const char* home = nonEmptyEnv("HOME");
  if (home == nullptr) {
    const passwd* user = ::getpwuid(::getuid());
    home = user != nullptr ? user->pw_dir : "";
  }
  return withoutTrailingSeparators(home) + "/.local/share";
}

}  // namespace

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
  return withoutTrailingSeparators(dataHome()) + "/lumaro/windows";
}

}  // namespace lumaro::platform::linuxos
