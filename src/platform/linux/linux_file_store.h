#pragma once
#include "platform/file_store.h"

namespace lumaro::platform::linuxos {

class LinuxFileStore : public FileStore {
 public:
  // Larger files are not settings files: they read as Failed, so that they are never rewritten.
  static constexpr std::size_t kMaxFileSize = 64u << 20;

  Content read(const std::string& path) override;
  bool write(const std::string& path, std::string_view bytes) override;
  bool canCreateIn(const std::string& directory) override;
};

}  // namespace lumaro::platform::linuxos
