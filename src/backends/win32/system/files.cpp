#include "backends/win32/system/files.h"

#include <shlobj.h>
#include <windows.h>

#include "backends/win32/system/unicode.h"

namespace lumaro::platform::win32 {

namespace {

// The environment variable's value; empty when unset.
std::wstring environmentVariable(const wchar_t* name) {
  std::wstring value(::GetEnvironmentVariableW(name, nullptr, 0), L'\0');
  if (value.empty()) return value;
  value.resize(::GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
  return value;
}

}  // namespace

std::string withoutTrailingSeparators(std::string path) {
  const auto isSeparator = [](char c) { return c == '\\' || c == '/'; };
  while (path.size() > 1 && isSeparator(path.back()) && !(path.size() == 3 && path[1] == ':'))
    path.pop_back();
  return path;
}

bool Win32Files::fileExists(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Files::isPrivatePath(const std::string&) {
  return true;
}

std::string Win32Files::executablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return narrow(path);
    }
    // Truncated: long paths go past MAX_PATH.
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

std::string Win32Files::windowsDirectory() {
  if (const std::wstring seam = environmentVariable(L"LUMARO_WINDOWS_DIR"); !seam.empty())
    return withoutTrailingSeparators(narrow(seam));
  wchar_t folder[MAX_PATH] = {};
  const UINT length = ::GetWindowsDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return withoutTrailingSeparators(narrow(folder));
}

std::string Win32Files::configDirectory() {
  PWSTR folder = nullptr;
  std::string result;
  if (::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &folder) == S_OK)
    result = withoutTrailingSeparators(narrow(folder)) + "\\Lumaro";
  ::CoTaskMemFree(folder);
  return result;
}

}  // namespace lumaro::platform::win32
