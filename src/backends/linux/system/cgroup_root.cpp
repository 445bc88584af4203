#include "backends/linux/system/cgroup_root.h"

#include "backends/linux/system/env.h"

namespace lumaro::platform::linuxos {

std::string cgroupRoot() {
  const char* dir = nonEmptyEnv("LUMARO_CGROUP_DIR");
  return dir != nullptr ? dir : "/sys/fs/cgroup";
}

}  // namespace lumaro::platform::linuxos
