#pragma once
#include <string>

#include "platform/files.h"
#include "platform/process_launcher.h"

namespace lumaro::system {

// The window show mode "show normally".
inline constexpr int kShowNormal = 5;

// The Windows maintenance program: "tuneup.exe" in the Windows directory.
std::string maintenanceProgram(platform::Files& files);

// Starts `program` from the command line of its path in double quotes followed directly by
// `parameters`, shown with `showMode`, with the program's folder (and its trailing separator) as the
// current directory, and waits until it ends. Answers whether it started.
bool RunAndWait(platform::ProcessLauncher& launcher, const std::string& program,
                const std::string& parameters, int showMode);

}  // namespace lumaro::system
