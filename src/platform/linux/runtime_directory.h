#pragma once
#include <string>

namespace lumaro::platform::linuxos {

// Where the per-session lock and socket live: $XDG_RUNTIME_DIR when it names an existing directory,
// else $TMPDIR when it does, else "/tmp". Without a trailing separator.
std::string runtimeDirectory();

}  // namespace lumaro::platform::linuxos
