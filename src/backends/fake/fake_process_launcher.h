#pragma once
#include <string>
#include <vector>

#include "platform/process_launcher.h"

namespace lumaro::platform::fake {

// Records every start; answers whether the program could start.
class FakeProcessLauncher : public ProcessLauncher {
 public:
  struct Launch {
    std::string commandLine;
    std::string currentDirectory;
    int showMode;
    bool operator==(const Launch&) const = default;
  };

  bool runAndWait(const std::string& commandLine, const std::string& currentDirectory,
                  int showMode) override {
    launches.push_back(Launch{commandLine, currentDirectory, showMode});
    return canStart;
  }

  bool canStart = true;
  std::vector<Launch> launches;
};

}  // namespace lumaro::platform::fake
