#include "backends/win32/system/system_info.h"

#include <windows.h>

#include "backends/win32/system/unicode.h"

namespace lumaro::platform::win32 {

std::optional<int> Win32SystemInfo::platformFamily() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  // Deprecated for version numbers (it lies about them), still exact about the family.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!::GetVersionExW(&version)) return std::nullopt;
#pragma GCC diagnostic pop
  return static_cast<int>(version.dwPlatformId);
}

std::string Win32SystemInfo::decimalSeparator() {
  wchar_t separator[8] = {};
  const int length = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
  return length > 1 ? narrow(separator) : ".";
}

}  // namespace lumaro::platform::win32
