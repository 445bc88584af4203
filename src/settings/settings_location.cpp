#include "settings/settings_location.h"

#include "platform/utf8_path.h"

namespace lumaro::settings {

namespace {

// An installed program has its launcher entry in the data folder beside its binaries folder. Such a
// program never keeps its settings beside itself, even when root runs it and may write there: the file
// would land among the system's binaries and outlive the package.
bool isInstalled(platform::Files& files, const std::filesystem::path& folder) {
  return files.fileExists(
      platform::utf8Of(folder.parent_path() / "share" / "applications" / "lumaro.desktop"));
}

}  // namespace

std::string settingsFilePath(platform::Files& files, platform::FileStore& store) {
  const std::filesystem::path folder = platform::pathFromUtf8(files.executableFolder());
  if (!folder.empty() && !isInstalled(files, folder)) {
    const std::string beside = platform::utf8Of(folder / kSettingsFileName);
    if (files.isPrivatePath(beside) && store.canCreateIn(platform::utf8Of(folder))) return beside;
  }
  return platform::utf8Of(platform::pathFromUtf8(files.configDirectory()) / kSettingsFileName);
}

}  // namespace lumaro::settings
