#pragma once
#include <string>

namespace lumaro::platform::linuxos {

// Where the control-group file systems are mounted: $LUMARO_CGROUP_DIR, so that tests can feed recorded
// hierarchies, else "/sys/fs/cgroup".
std::string cgroupRoot();

}  // namespace lumaro::platform::linuxos
