#include "backends/win32/system/registry.h"

#include <windows.h>

#include "backends/win32/system/unicode.h"

namespace lumaro::platform::win32 {

Win32Registry::Win32Registry() : root_(HKEY_LOCAL_MACHINE) {}

bool Win32Registry::setDword(const std::string& key, const std::string& name, std::uint32_t value) {
  HKEY opened = nullptr;
  if (::RegCreateKeyExW(root_, widen(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                        nullptr, &opened, nullptr) != ERROR_SUCCESS)
    return false;
  const DWORD data = value;
  const LSTATUS status = ::RegSetValueExW(opened, widen(name).c_str(), 0, REG_DWORD,
                                          reinterpret_cast<const BYTE*>(&data), sizeof data);
  ::RegCloseKey(opened);
  return status == ERROR_SUCCESS;
}

}  // namespace lumaro::platform::win32
