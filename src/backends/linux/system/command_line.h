#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace lumaro::platform::linuxos {

// The arguments of a command line in the Windows convention: blanks and tabs separate them, except
// between double quotes, which group and are removed ("\"/a b/x\" -v" is "/a b/x" and "-v").
// Backslashes are ordinary characters, as they are in Linux paths.
std::vector<std::string> commandLineArguments(std::string_view commandLine);

}  // namespace lumaro::platform::linuxos
