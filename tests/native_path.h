#pragma once
#include <algorithm>
#include <filesystem>
#include <string>

namespace lumaro::testing {

// A path written the Windows way ("C:\Programas\Lumaro\lumaro.exe") or the POSIX way, in the form the
// backend of the system running the test hands out: with '\' on Windows; elsewhere with '/' and
// without a drive. The same test then checks the logic's path handling on both.
inline std::string nativePath(std::string path) {
  if (std::filesystem::path::preferred_separator == '\\') {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
  }
  if (path.size() >= 2 && path[1] == ':') path.erase(0, 2);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace lumaro::testing
