#pragma once
#include "backends/shared/whole_file_store.h"

namespace lumaro::platform::win32 {

// Whole files over CreateFileW, written atomically: a temporary file in the same folder, flushed,
// then MoveFileExW over the old one (MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH). A read-only
// file (FILE_ATTRIBUTE_READONLY) and a reparse point are never replaced; the old file's other
// attributes are kept.
class Win32FileStore : public WholeFileStore {
 public:
  bool canCreateIn(const std::string& directory) override;
  // The system's ANSI code page (CP_ACP), whatever it is: the one the profile functions use.
  std::string fromCodePage(std::string_view bytes) override;
  std::string toCodePage(std::string_view text) override;

 protected:
  Opened open(const std::string& path) override;
  bool replace(const std::string& path, std::string_view bytes) override;
  void removeLeftovers(const std::string& path) override;
};

}  // namespace lumaro::platform::win32
