#include "backends/linux/system/xdg_dirs.h"

#include <pwd.h>
#include <unistd.h>

#include "backends/linux/system/env.h"
#include "backends/linux/system/paths.h"

namespace lumaro::platform::linuxos {

namespace {

std::string home() {
  const char* home = nonEmptyEnv("HOME");
  if (home == nullptr) {
    const passwd* user = ::getpwuid(::getuid());
    home = user != nullptr ? user->pw_dir : "";
  }
  return withoutTrailingSeparators(home);
}

std::string xdgHome(const char* variable, const char* fallbackUnderHome) {
  const char* xdg = nonEmptyEnv(variable);
  if (xdg != nullptr && *xdg == '/') return withoutTrailingSeparators(xdg);
  return home() + fallbackUnderHome;
}

}  // namespace

std::string xdgDataHome() {
  return xdgHome("XDG_DATA_HOME", "/.local/share");
}

std::string xdgConfigHome() {
  return xdgHome("XDG_CONFIG_HOME", "/.config");
}

}  // namespace lumaro::platform::linuxos
