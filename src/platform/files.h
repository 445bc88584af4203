#pragma once
#include <string>

#include "platform/utf8_path.h"

namespace lumaro::platform {

// The program's places in the file system.
class Files {
 public:
  virtual ~Files() = default;

  // True for an existing regular file.
  virtual bool fileExists(const std::string& path) = 0;

  // Whether only the running user can change what lies at `path`: its folder is theirs and no other
  // user may write in it, and whatever is at `path` is theirs too (nothing there counts). Only such a
  // place keeps the program's own files, so that nobody else can plant, swap or link them.
  virtual bool isPrivatePath(const std::string& path) = 0;

  // Full path of the running executable; empty when it cannot be read.
  virtual std::string executablePath() = 0;
  // The folder that holds the running executable, without a trailing separator ("/" at the root);
  // empty when the executable's path is unknown.
  std::string executableFolder() { return utf8Of(pathFromUtf8(executablePath()).parent_path()); }

  // The system configuration directory ("Windows directory"), without a trailing separator. It may
  // not exist yet; writers create it on first write.
  virtual std::string windowsDirectory() = 0;

  // The user's folder for this program's settings, without a trailing separator. It may not exist yet.
  virtual std::string configDirectory() = 0;
};

}  // namespace lumaro::platform
