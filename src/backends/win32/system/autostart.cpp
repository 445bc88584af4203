#include "backends/win32/system/autostart.h"

#include <windows.h>

#include "backends/win32/system/unicode.h"

namespace lumaro::platform::win32 {

RunKeyAutostart::RunKeyAutostart() : root_(HKEY_CURRENT_USER), key_(kRunKey) {}

Autostart::Result RunKeyAutostart::writeEntry(const std::string& name, const std::string& command) {
  HKEY opened = nullptr;
  if (::RegCreateKeyExW(root_, widen(key_).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                        nullptr, &opened, nullptr) != ERROR_SUCCESS)
    return Result::FolderFailed;
  const bool quoted = command.find(' ') != std::string::npos;
  const std::wstring value = widen(quoted ? '"' + command + '"' : command);
  const LSTATUS status =
      ::RegSetValueExW(opened, widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  ::RegCloseKey(opened);
  return status == ERROR_SUCCESS ? Result::Written : Result::EntryFailed;
}

std::string RunKeyAutostart::folder() {
  return (root_ == HKEY_CURRENT_USER ? "HKEY_CURRENT_USER\\" : "HKEY_LOCAL_MACHINE\\") + key_;
}

}  // namespace lumaro::platform::win32
