#include "system/maintenance.h"

#include "platform/utf8_path.h"

namespace lumaro::system {

std::string maintenanceProgram(platform::Files& files) {
  return platform::utf8Of(platform::pathFromUtf8(files.windowsDirectory()) / "tuneup.exe");
}

bool RunAndWait(platform::ProcessLauncher& launcher, const std::string& program,
                const std::string& parameters, int showMode) {
  // The folder keeps its trailing separator; a bare name has none, so the launcher keeps ours.
  const std::string folder = platform::utf8Of(platform::pathFromUtf8(program).remove_filename());
  return launcher.runAndWait('"' + program + '"' + parameters, folder, showMode);
}

}  // namespace lumaro::system
