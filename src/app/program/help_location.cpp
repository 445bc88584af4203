#include "app/program/help_location.h"

#include "platform/utf8_path.h"

namespace lumaro::app {

const char* const kInstalledHelpFolder = LUMARO_INSTALLED_HELP_FOLDER;

std::string helpFilePath(platform::Files& files) {
  const std::filesystem::path folder = platform::pathFromUtf8(files.executableFolder());
  const std::string beside = platform::utf8Of(folder / kHelpFileName);
  if (files.fileExists(beside)) return beside;
  const std::string installed =
      platform::utf8Of((folder / kInstalledHelpFolder / kHelpFileName).lexically_normal());
  return files.fileExists(installed) ? installed : beside;
}

}  // namespace lumaro::app
