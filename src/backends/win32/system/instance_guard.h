#pragma once
#include <string>
#include <vector>

#include "platform/instance_guard.h"

namespace lumaro::platform::win32 {

// Claims a name with a named mutex in the session's namespace (CreateMutexW, ERROR_ALREADY_EXISTS).
// The system drops the mutex when the last handle closes, however the process ends, so a crashed
// copy never blocks the next one. A mutex that cannot be made also answers false: two copies must
// never run together.
class MutexInstanceGuard : public InstanceGuard {
 public:
  MutexInstanceGuard() = default;
  MutexInstanceGuard(const MutexInstanceGuard&) = delete;
  MutexInstanceGuard& operator=(const MutexInstanceGuard&) = delete;
  ~MutexInstanceGuard() override;

  bool claim(const std::string& name) override;

 private:
  std::vector<void*> mutexes_;
};

}  // namespace lumaro::platform::win32
