#include "backends/linux/system/runtime_directory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "backends/linux/system/env.h"
#include "backends/linux/system/ownership.h"
#include "backends/linux/system/paths.h"
#include "backends/linux/system/xdg_dirs.h"

namespace lumaro::platform::linuxos {

namespace {

constexpr mode_t kPrivateMode = 0700;

std::string temporaryFolder() {
  const char* tmp = nonEmptyEnv("TMPDIR");
  if (tmp != nullptr && *tmp == '/' && isDirectory(tmp)) return withoutTrailingSeparators(tmp);
  return "/tmp";
}

// Our own folder at `path`: created when missing; one of ours with a looser mode is tightened, since
// only its owner could have loosened it. Anything else at that name (another user's folder, a link, a
// file) is refused.
bool ownPrivateFolder(const std::string& path) {
  if (::mkdir(path.c_str(), kPrivateMode) != 0 && errno != EEXIST) return false;
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) return false;
  if ((info.st_mode & 07777) != kPrivateMode && ::chmod(path.c_str(), kPrivateMode) != 0) return false;
  return isPrivateFolder(path, false);
}

// A folder under the user's configuration home; its parents are created as the user's own.
bool ownFolderInHome(const std::string& path) {
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
  return ownPrivateFolder(path);
}

// $XDG_RUNTIME_DIR when it names a private folder, else nullptr.
const char* privateXdgRuntimeDir() {
  const char* xdg = nonEmptyEnv("XDG_RUNTIME_DIR");
  return xdg != nullptr && *xdg == '/' && isPrivateFolder(xdg, true) ? xdg : nullptr;
}

}  // namespace

bool isPrivateFolder(const std::string& path, bool followLinks) {
  struct stat info {};
  const int result = followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
  return result == 0 && isPrivateFolder(info);
}

std::string runtimeDirectory() {
  if (const char* xdg = privateXdgRuntimeDir()) return withoutTrailingSeparators(xdg);
  const std::string temporary = temporaryFolder() + "/lumaro-" + std::to_string(::geteuid());
  if (ownPrivateFolder(temporary)) return temporary;
  const std::string home = xdgConfigHome() + "/lumaro/runtime";
  if (ownFolderInHome(home)) return home;
  return {};
}

void exportRuntimeDirectory() {
  if (privateXdgRuntimeDir() != nullptr) return;
  const std::string directory = runtimeDirectory();
  if (!directory.empty()) ::setenv("XDG_RUNTIME_DIR", directory.c_str(), 1);
}

}  // namespace lumaro::platform::linuxos
