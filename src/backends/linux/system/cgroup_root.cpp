#include "platform/linux/cgroup_root.h"

#include "platform/linux/env.h"

namespace lumaro::platform::linuxos {

std::string cgroupRoot() {
  const char* dir = nonEmptyEnv("LUMARO_CGROUP_DIR");
  return dir != nullptr ? dir : "/sys/fs/cgroup";
}

}  // namespace lumaro::platform::linuxos
