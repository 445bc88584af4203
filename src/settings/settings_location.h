#pragma once
#include <string>

#include "platform/file_store.h"
#include "platform/files.h"

namespace lumaro::settings {

inline constexpr const char* kSettingsFileName = "Lumaro.ini";

// The settings file: beside the executable when that folder is writable and the program is not an
// installed one (a portable copy), else in the user's settings folder, so that an installed program
// never loses its settings.
std::string settingsFilePath(platform::Files& files, platform::FileStore& store);

}  // namespace lumaro::settings
