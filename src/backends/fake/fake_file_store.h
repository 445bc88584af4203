#pragma once
#include <map>
#include <set>
#include <string>

#include "platform/file_store.h"

namespace lumaro::platform::fake {

// Files in memory, with failures a test can inject.
class FakeFileStore : public FileStore {
 public:
  Content read(const std::string& path) override;
  bool write(const std::string& path, std::string_view bytes) override;
  bool canCreateIn(const std::string& directory) override;
  // Windows-1252.
  std::string fromCodePage(std::string_view bytes) override;
  std::string toCodePage(std::string_view text) override;

  std::map<std::string, std::string> files;
  // Reads of these paths fail.
  std::set<std::string> unreadable;
  // Nothing can be created or replaced in these folders.
  std::set<std::string> readOnlyFolders;
  // Writes fail once this many more have succeeded; negative: no limit.
  int writesBeforeFailure = -1;
  int writes = 0;
};

}  // namespace lumaro::platform::fake
