#include "app/help_location.h"

#include <filesystem>

namespace lumaro::app {

const char* const kInstalledHelpFolder = LUMARO_INSTALLED_HELP_FOLDER;

std::string helpFilePath(platform::Files& files) {
  const std::filesystem::path folder(files.executableFolder());
  const std::string beside = (folder / kHelpFileName).string();
  if (files.fileExists(beside)) return beside;
  const std::string installed = (folder / kInstalledHelpFolder / kHelpFileName).lexically_normal().string();
  return files.fileExists(installed) ? installed : beside;
}

}  // namespace lumaro::app
