#include "settings/settings_location.h"

namespace lumaro::settings {

std::string settingsFilePath(platform::Files& files, platform::FileStore& store) {
  const std::filesystem::path folder = files.executableFolder();
  if (!folder.empty() && store.canCreateIn(folder.string())) return (folder / kSettingsFileName).string();
  return (std::filesystem::path(files.configDirectory()) / kSettingsFileName).string();
}

}  // namespace lumaro::settings
