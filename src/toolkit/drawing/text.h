#pragma once
#include <string>
#include <string_view>

namespace lumaro::toolkit {

// Case-insensitive comparison of ASCII letters, as names and keys are compared.
bool sameText(std::string_view a, std::string_view b);

// The decimal text of an integer.
std::string intToStr(long long value);

}  // namespace lumaro::toolkit
