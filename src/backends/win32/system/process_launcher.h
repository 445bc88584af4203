#pragma once
#include <string>

#include "platform/process_launcher.h"

namespace lumaro::platform::win32 {

// CreateProcessW (no handles inherited, a new console, normal priority, the show mode in the start-up
// record) and WaitForSingleObject.
// An empty current directory means this process's own: CreateProcessW refuses "" (error 267).
class Win32ProcessLauncher : public ProcessLauncher {
 public:
  bool runAndWait(const std::string& commandLine, const std::string& currentDirectory, int showMode) override;
};

}  // namespace lumaro::platform::win32
