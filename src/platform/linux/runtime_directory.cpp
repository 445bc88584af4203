#include "platform/linux/runtime_directory.h"

#include "platform/linux/env.h"
#include "platform/linux/paths.h"

namespace lumaro::platform::linuxos {

std::string runtimeDirectory() {
  for (const char* variable : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
    const char* dir = nonEmptyEnv(variable);
    if (dir != nullptr && isDirectory(dir)) return withoutTrailingSeparators(dir);
  }
  return "/tmp";
}

}  // namespace lumaro::platform::linuxos
