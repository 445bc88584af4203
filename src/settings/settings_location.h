#pragma once
#include <string>

#include "platform/file_store.h"
#include "platform/files.h"

namespace lumaro::settings {

inline constexpr const char* kSettingsFileName = "Lumaro.ini";

// The settings file: beside the executable when the program is not an installed one (a portable copy)
// and that folder is writable and private, the file and the folder the running user's own and no other
// user able to write there; else in the user's settings folder. So an installed program never loses
// its settings, and another user can neither plant the settings of a copy that root or someone else
// starts nor have that copy write into a folder they control.
std::string settingsFilePath(platform::Files& files, platform::FileStore& store);

}  // namespace lumaro::settings
