#pragma once
#include <string>

#include "platform/files.h"

namespace lumaro::platform::linuxos {

class LinuxFiles : public Files {
 public:
  bool fileExists(const std::string& path) override;
  bool isPrivatePath(const std::string& path) override;
  // Empty when /proc/self/exe cannot be read.
  std::string executablePath() override;
  // $LUMARO_WINDOWS_DIR unless something other than a folder only the user can write is there (a
  // missing one is made theirs by the first write), else $XDG_DATA_HOME/lumaro/windows, else
  // ~/.local/share/lumaro/windows.
  std::string windowsDirectory() override;
  // $XDG_CONFIG_HOME/lumaro, else ~/.config/lumaro.
  std::string configDirectory() override;
};

}  // namespace lumaro::platform::linuxos
