#include "backends/linux/system/proc_root.h"

#include "backends/linux/system/env.h"

namespace lumaro::platform::linuxos {

std::string procRoot() {
  const char* dir = nonEmptyEnv("LUMARO_PROC_DIR");
  return dir != nullptr ? dir : "/proc";
}

}  // namespace lumaro::platform::linuxos
