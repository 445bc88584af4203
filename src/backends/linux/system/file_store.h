#pragma once
#include "backends/shared/whole_file_store.h"

namespace lumaro::platform::linuxos {

// Whole files over open(2) and read(2); written through a temporary file renamed over the old one.
// Both only where no other user can decide what is read or replaced (see trustedPlace): anything
// else reads as Failed and is never written.
class LinuxFileStore : public WholeFileStore {
 public:
  bool canCreateIn(const std::string& directory) override;

 protected:
  Opened open(const std::string& path) override;
  bool replace(const std::string& path, std::string_view bytes) override;
  void removeLeftovers(const std::string& path) override;
};

}  // namespace lumaro::platform::linuxos
