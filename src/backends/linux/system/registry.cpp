#include "backends/linux/system/registry.h"

#include "backends/linux/system/regedit_document.h"
#include "backends/linux/system/regedit_encoding.h"

namespace lumaro::platform::linuxos {

RegeditRegistry::RegeditRegistry(FileStore& files, const std::string& windowsDirectory)
    : files_(files), path_(windowsDirectory + '/' + kFileName) {}

bool RegeditRegistry::setDword(const std::string& key, const std::string& name, std::uint32_t value) {
  const FileStore::Content content = files_.read(path_);
  if (content.status == FileStore::ReadStatus::Failed) return false;
  auto file = decodeRegedit(content.bytes);
  if (!file) return false;
  RegeditDocument document(file->text);
  document.setDword(key, name, value);
  file->text = document.bytes();
  return files_.write(path_, settings::encodeText(*file));
}

}  // namespace lumaro::platform::linuxos
