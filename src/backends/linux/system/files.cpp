#include "backends/linux/system/files.h"

#include <limits.h>
#include <unistd.h>

#include <filesystem>

#include "backends/linux/system/env.h"
#include "backends/linux/system/ownership.h"
#include "backends/linux/system/paths.h"
#include "backends/linux/system/xdg_dirs.h"

namespace lumaro::platform::linuxos {

bool LinuxFiles::fileExists(const std::string& path) {
  return isRegularFile(path);
}

bool LinuxFiles::isPrivatePath(const std::string& path) {
  struct stat status {};
  return holderOf(std::filesystem::path(path).parent_path(), status) == Holder::User &&
         isPrivateFolder(status) && holderOf(path, status) != Holder::Other;
}

std::string LinuxFiles::executablePath() {
  // Always the real /proc: this names our own executable.
  std::string path(PATH_MAX, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
  path.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return path;
}

std::string LinuxFiles::windowsDirectory() {
  // The chosen folder is trusted as the executable's is: "tuneup.exe" is started from it, and what is
  // written there must not land in another user's hands.
  if (const char* chosen = nonEmptyEnv("LUMARO_WINDOWS_DIR")) {
    const std::string folder = withoutTrailingSeparators(chosen);
    struct stat status {};
    const Holder holder = holderOf(folder.empty() ? "/" : folder, status);
    if (holder == Holder::Nobody || (holder == Holder::User && isPrivateFolder(status))) return folder;
  }
  return xdgDataHome() + "/lumaro/windows";
}

std::string LinuxFiles::configDirectory() {
  return xdgConfigHome() + "/lumaro";
}

}  // namespace lumaro::platform::linuxos
