#include "platform/linux/proc_root.h"

#include "platform/linux/env.h"

namespace lumaro::platform::linuxos {

std::string procRoot() {
  const char* dir = nonEmptyEnv("LUMARO_PROC_DIR");
  return dir != nullptr ? dir : "/proc";
}

}  // namespace lumaro::platform::linuxos
