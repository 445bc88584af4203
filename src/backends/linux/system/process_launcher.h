#pragma once
#include "platform/process_launcher.h"

namespace lumaro::platform::linuxos {

// posix_spawn and waitpid. The program gets the caller's environment, default signal handling and
// mask, and no open file but the standard three. The show mode has no meaning here: a desktop program
// places its own windows.
class PosixProcessLauncher : public ProcessLauncher {
 public:
  bool runAndWait(const std::string& commandLine, const std::string& currentDirectory, int showMode) override;
};

}  // namespace lumaro::platform::linuxos
