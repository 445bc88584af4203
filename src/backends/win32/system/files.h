#pragma once
#include <string>

#include "platform/files.h"

namespace lumaro::platform::win32 {

// Paths are handed out in the system's own form ("C:\Windows"), so that the logic's path operations
// split and join them with '\'.
class Win32Files : public Files {
 public:
  bool fileExists(const std::string& path) override;
  // Always true: the owner says little here. The program always runs elevated (its manifest asks for
  // it), and what an elevated program creates belongs to the Administrators group, not to the user;
  // who else may write a folder is its access list's business, and whoever may write the executable's
  // folder can replace the program itself.
  bool isPrivatePath(const std::string& path) override;
  // GetModuleFileNameW of the program; empty when it cannot be read.
  std::string executablePath() override;
  // $LUMARO_WINDOWS_DIR when set (a seam for tests), else GetWindowsDirectoryW.
  std::string windowsDirectory() override;
  // The user's roaming application data folder, "Lumaro" in it.
  std::string configDirectory() override;
};

// The path without trailing '\' or '/', except the one of a drive's root ("C:\"), which "C:" would
// turn into the drive's current folder.
std::string withoutTrailingSeparators(std::string path);

}  // namespace lumaro::platform::win32
