#include "backends/linux/system/paths.h"

#include <sys/stat.h>

namespace lumaro::platform::linuxos {

namespace {

mode_t fileType(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

}  // namespace

bool isDirectory(const std::string& path) {
  return fileType(path) == S_IFDIR;
}

bool isRegularFile(const std::string& path) {
  return fileType(path) == S_IFREG;
}

std::string withoutTrailingSeparators(std::string path) {
  while (!path.empty() && path.back() == '/') path.pop_back();
  return path;
}

FolderAndName splitPath(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return {".", path};
  return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

}  // namespace lumaro::platform::linuxos
