#pragma once
#include <filesystem>
#include <string>

namespace lumaro::platform {

// Paths cross the interfaces as UTF-8 strings. std::filesystem::path's plain string conversions use
// the system's narrow code page on Windows, which garbles any name outside ASCII; these do not.
inline std::filesystem::path pathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string utf8Of(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(utf8.begin(), utf8.end());
}

}  // namespace lumaro::platform
