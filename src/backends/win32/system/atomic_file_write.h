#pragma once
#include <filesystem>
#include <string_view>

namespace lumaro::platform::win32 {

// Replaces the file as a whole: the bytes go to ".<name>.<process id>.<count>.tmp" beside it, are
// flushed to disk, and only then replace it in one move. Missing folders are created. A read-only file
// keeps its content, and a reparse point (a symbolic link or junction) is neither followed nor
// replaced. False on any failure, with the old file unchanged and no temporary file left.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Removes the temporary files that interrupted writes of `target` left beside it. A write in progress
// holds its temporary file open without sharing, so the removal cannot touch it.
void removeStaleTemporaryFiles(const std::filesystem::path& target);

}  // namespace lumaro::platform::win32
