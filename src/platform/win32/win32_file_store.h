#pragma once
#include <set>
#include <string>

#include "platform/file_store.h"

namespace lumaro::platform::win32 {

// Whole files over CreateFileW, written atomically: a temporary file in the same folder, flushed,
// then MoveFileExW over the old one (MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH). A read-only
// file (FILE_ATTRIBUTE_READONLY) is never replaced; the old file's other attributes are kept.
class Win32FileStore : public FileStore {
 public:
  // Larger files are not settings files: they read as Failed, so that they are never rewritten.
  static constexpr std::size_t kMaxFileSize = 64u << 20;

  Content read(const std::string& path) override;
  bool write(const std::string& path, std::string_view bytes) override;
  bool canCreateIn(const std::string& directory) override;

 private:
  // The first access to a file (at start-up) removes what an interrupted write of it left behind.
  void tidyOnce(const std::string& path);

  std::set<std::string> tidied_;
};

}  // namespace lumaro::platform::win32
