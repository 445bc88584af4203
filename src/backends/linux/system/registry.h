#pragma once
#include <string>

#include "platform/file_store.h"
#include "platform/registry.h"

namespace lumaro::platform::linuxos {

// The registry as a registry export file, "registry.reg" in the Windows directory, that a person can
// read and edit. Every change reads the file and replaces it whole through the file store, which
// writes atomically; the folder is created on the first write.
class RegeditRegistry : public Registry {
 public:
  static constexpr const char* kFileName = "registry.reg";

  RegeditRegistry(FileStore& files, const std::string& windowsDirectory);

  const std::string& path() const { return path_; }

  // The file keeps its own first line and its encoding. False also when the file exists but cannot be
  // read, or is not the UTF-16 its mark claims: it is never replaced by one holding only this value.
  bool setDword(const std::string& key, const std::string& name, std::uint32_t value) override;

 private:
  FileStore& files_;
  std::string path_;
};

}  // namespace lumaro::platform::linuxos
