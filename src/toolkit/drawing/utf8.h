#pragma once
#include <cstddef>
#include <string_view>

namespace lumaro::toolkit {

// Decodes one UTF-8 sequence at `i`; returns its length, or 0 when it is not valid (overlong forms,
// surrogates and values above U+10FFFF included).
std::size_t decodeUtf8(std::string_view text, std::size_t i, char32_t& out);

}  // namespace lumaro::toolkit
