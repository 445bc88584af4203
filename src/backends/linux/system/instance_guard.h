#pragma once
#include <string>
#include <vector>

#include "platform/instance_guard.h"

namespace lumaro::platform::linuxos {

// Claims a name with an exclusive flock on runtimeDirectory()/<name>.lock, a file of this user that
// nobody else can write (anything else of that name is replaced). The lock file stays open while the
// guard lives; the kernel drops the lock when the process ends, however it ends, so a
// crashed copy never blocks the next one. A lock file that cannot even be opened also answers false:
// two copies must never run together, so an unprovable claim counts as taken.
class FlockInstanceGuard : public InstanceGuard {
 public:
  FlockInstanceGuard() = default;
  FlockInstanceGuard(const FlockInstanceGuard&) = delete;
  FlockInstanceGuard& operator=(const FlockInstanceGuard&) = delete;
  // Closing the lock files gives the claims up.
  ~FlockInstanceGuard() override;

  bool claim(const std::string& name) override;

 private:
  std::vector<int> lockFds_;
};

}  // namespace lumaro::platform::linuxos
