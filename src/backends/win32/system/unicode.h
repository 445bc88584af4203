#pragma once
#include <string>
#include <string_view>

namespace lumaro::platform::win32 {

// The interfaces speak UTF-8; Win32's wide calls speak UTF-16. Invalid input becomes U+FFFD rather
// than failing, so a garbled name still reaches the call (which then reports it as not found).
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace lumaro::platform::win32
