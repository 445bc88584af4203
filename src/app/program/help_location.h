#pragma once
#include <string>

#include "platform/files.h"

namespace lumaro::app {

inline constexpr const char* kHelpFileName = "lumaro.html";

// Where an installed program keeps its help, relative to the program's folder.
extern const char* const kInstalledHelpFolder;

// The help page: a portable copy beside the program first, then the installed one. With neither, the
// path beside the program, so that the desktop names the missing file.
std::string helpFilePath(platform::Files& files);

}  // namespace lumaro::app
