#include "settings/settings_location.h"

namespace lumaro::settings {

std::string settingsFilePath(platform::Files& files, platform::FileStore& store) {
  const std::string executable = files.executablePath();
  const auto slash = executable.rfind('/');
  if (slash != std::string::npos) {
    // The root folder is "" here; it still joins as "/Lumaro.ini".
    const std::string folder = executable.substr(0, slash);
    if (store.canCreateIn(folder.empty() ? "/" : folder)) return folder + '/' + kSettingsFileName;
  }
  return files.configDirectory() + '/' + kSettingsFileName;
}

}  // namespace lumaro::settings
