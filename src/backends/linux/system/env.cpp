#include "backends/linux/system/env.h"

#include <cstdlib>

namespace lumaro::platform::linuxos {

const char* nonEmptyEnv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : nullptr;
}

}  // namespace lumaro::platform::linuxos
