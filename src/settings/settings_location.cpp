#include "settings/settings_location.h"

namespace lumaro::settings {

namespace {

// An installed program has its launcher entry in the data folder beside its binaries folder. Such a
// program never keeps its settings beside itself, even when root runs it and may write there: the file
// would land among the system's binaries and outlive the package.
bool isInstalled(platform::Files& files, const std::filesystem::path& folder) {
  return files.fileExists((folder.parent_path() / "share" / "applications" / "lumaro.desktop").string());
}

}  // namespace

std::string settingsFilePath(platform::Files& files, platform::FileStore& store) {
  const std::filesystem::path folder = files.executableFolder();
  if (!folder.empty() && !isInstalled(files, folder) && store.canCreateIn(folder.string()))
    return (folder / kSettingsFileName).string();
  return (std::filesystem::path(files.configDirectory()) / kSettingsFileName).string();
}

}  // namespace lumaro::settings
