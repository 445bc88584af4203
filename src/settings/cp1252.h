#pragma once
#include <string>
#include <string_view>

namespace lumaro::settings {

// The program's strings are UTF-8; its INI files are single-byte text in the Windows-1252 code page.

// Every byte has a character (the five bytes the code page leaves undefined map to the C1 controls of
// the same number), so text read from any file converts back to the same bytes.
std::string cp1252ToUtf8(std::string_view bytes);

// Characters outside the code page, and bytes that are not valid UTF-8, become '?'.
std::string utf8ToCp1252(std::string_view text);

}  // namespace lumaro::settings
