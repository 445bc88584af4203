#pragma once
#include <string>
#include <string_view>

namespace lumaro::platform::win32 {

// The toolkit speaks UTF-8, the window system UTF-16. Invalid UTF-8 becomes U+FFFD rather than failing.
std::wstring toWide(std::string_view text);
std::string toUtf8(std::wstring_view text);

}  // namespace lumaro::platform::win32
