#include "platform/linux/regedit_registry.h"

#include "platform/linux/regedit_document.h"

namespace lumaro::platform::linuxos {

RegeditRegistry::RegeditRegistry(FileStore& files, const std::string& windowsDirectory)
    : files_(files), path_(windowsDirectory + '/' + kFileName) {}

bool RegeditRegistry::setDword(const std::string& key, const std::string& name, std::uint32_t value) {
  const FileStore::Content content = files_.read(path_);
  if (content.status == FileStore::ReadStatus::Failed) return false;
  RegeditDocument document(content.bytes);
  document.setDword(key, name, value);
  return files_.write(path_, document.bytes());
}

}  // namespace lumaro::platform::linuxos
