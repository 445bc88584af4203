#pragma once
#include <string>
#include <string_view>

namespace lumaro::toolkit {

// Compares UTF-8 names and keys without regard to case, as the system does: a letter of ASCII, Latin-1
// or Latin Extended-A matches its other case ("Ç" and "ç"), never a letter with another accent or none.
// Bytes that are not valid UTF-8 match only themselves.
bool sameText(std::string_view a, std::string_view b);

// The decimal text of an integer.
std::string intToStr(long long value);

}  // namespace lumaro::toolkit
