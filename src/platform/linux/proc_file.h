#pragma once
#include <optional>
#include <string_view>
#include <vector>

namespace lumaro::platform::linuxos {

// Reads a whole file into `buffer` with plain system calls. The buffer grows when the file does not
// fit and never shrinks, so reading the same file again allocates nothing. The view points into the
// buffer; nothing when the file cannot be opened or read.
std::optional<std::string_view> readWholeFile(const char* path, std::vector<char>& buffer);

}  // namespace lumaro::platform::linuxos
