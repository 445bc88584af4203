#pragma once
#include <string>

namespace lumaro::platform {

// Starts other programs.
class ProcessLauncher {
 public:
  virtual ~ProcessLauncher() = default;

  // Starts the program that `commandLine` names (its path first, in double quotes when it holds
  // blanks, then its parameters) with `currentDirectory` as its current directory and `showMode` for
  // its window, without handing it this process's open files, and waits until it has ended; the
  // calling thread does nothing else meanwhile. False when it could not be started: nothing waits then.
  virtual bool runAndWait(const std::string& commandLine, const std::string& currentDirectory,
                          int showMode) = 0;
};

}  // namespace lumaro::platform
