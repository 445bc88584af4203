#include "system/maintenance.h"

namespace lumaro::system {

std::string maintenanceProgram(platform::Files& files) {
  return files.windowsDirectory() + "/tuneup.exe";
}

bool RunAndWait(platform::ProcessLauncher& launcher, const std::string& program,
                const std::string& parameters, int showMode) {
  const std::string folder = program.substr(0, program.rfind('/') + 1);
  return launcher.runAndWait('"' + program + '"' + parameters, folder, showMode);
}

}  // namespace lumaro::system
