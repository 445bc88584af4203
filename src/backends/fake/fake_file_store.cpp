#include "backends/fake/fake_file_store.h"

#include "platform/utf8_path.h"
#include "settings/cp1252.h"

namespace lumaro::platform::fake {

std::string FakeFileStore::fromCodePage(std::string_view bytes) {
  return settings::cp1252ToUtf8(bytes);
}

std::string FakeFileStore::toCodePage(std::string_view text) {
  return settings::utf8ToCp1252(text);
}

FileStore::Content FakeFileStore::read(const std::string& path) {
  if (unreadable.contains(path)) return Content{ReadStatus::Failed, {}};
  const auto found = files.find(path);
  if (found == files.end()) return Content{ReadStatus::Missing, {}};
  return Content{ReadStatus::Read, found->second};
}

bool FakeFileStore::write(const std::string& path, std::string_view bytes) {
  if (!canCreateIn(utf8Of(pathFromUtf8(path).parent_path()))) return false;
  if (writesBeforeFailure == 0) return false;
  if (writesBeforeFailure > 0) --writesBeforeFailure;
  ++writes;
  files[path] = std::string(bytes);
  return true;
}

bool FakeFileStore::canCreateIn(const std::string& directory) {
  return !readOnlyFolders.contains(directory);
}

}  // namespace lumaro::platform::fake
