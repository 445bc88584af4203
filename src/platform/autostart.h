#pragma once
#include <string>

namespace lumaro::platform {

// The desktop's list of programs started at every log-in.
class Autostart {
 public:
  enum class Result { Written, FolderFailed, EntryFailed };

  virtual ~Autostart() = default;

  // Writes the entry `name` so that it starts `command` (the executable's full path, unquoted). An
  // empty command keeps the entry but starts nothing.
  virtual Result writeEntry(const std::string& name, const std::string& command) = 0;

  // Where the entries live, for error messages.
  virtual std::string folder() = 0;
};

}  // namespace lumaro::platform
