#pragma once
#include <set>
#include <string>

#include "platform/file_store.h"

namespace lumaro::platform::linuxos {

class LinuxFileStore : public FileStore {
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

}  // namespace lumaro::platform::linuxos
