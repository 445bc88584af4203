#pragma once
#include <string>
#include <string_view>

namespace lumaro::platform::win32 {

// Our texts are UTF-8; the wide Win32 calls take UTF-16. Invalid sequences become U+FFFD.
std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

}  // namespace lumaro::platform::win32
