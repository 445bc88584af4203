#include "backends/shared/whole_file_store.h"

#include "settings/cp1252.h"

namespace lumaro::platform {

std::string WholeFileStore::fromCodePage(std::string_view bytes) {
  return settings::cp1252ToUtf8(bytes);
}

std::string WholeFileStore::toCodePage(std::string_view text) {
  return settings::utf8ToCp1252(text);
}

void WholeFileStore::tidyOnce(const std::string& path) {
  if (tidied_.insert(path).second) removeLeftovers(path);
}

FileStore::Content WholeFileStore::read(const std::string& path) {
  tidyOnce(path);
  Opened opened = open(path);
  if (!opened.file) return Content{opened.status, {}};
  Content content{ReadStatus::Read, {}};
  // A file known to be too large is refused before a byte of it is read.
  const std::optional<std::uint64_t> size = opened.file->size();
  if (!size || *size > kMaxFileSize)
    content.status = ReadStatus::Failed;
  else
    content.bytes.reserve(*size);  // no growth by doubling: a read takes the file's size once
  char buffer[65536];
  while (content.status == ReadStatus::Read) {
    const std::optional<std::size_t> got = opened.file->readSome(buffer, sizeof buffer);
    // One that grows while it is read is refused as well.
    if (!got || content.bytes.size() + *got > kMaxFileSize) {
      content.status = ReadStatus::Failed;
    } else if (*got == 0) {
      break;
    } else {
      content.bytes.append(buffer, *got);
    }
  }
  if (content.status != ReadStatus::Read) content.bytes.clear();
  return content;
}

bool WholeFileStore::write(const std::string& path, std::string_view bytes) {
  tidyOnce(path);
  // What could not be read back is not written.
  return bytes.size() <= kMaxFileSize && replace(path, bytes);
}

}  // namespace lumaro::platform
