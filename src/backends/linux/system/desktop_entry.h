#pragma once
#include <string>

namespace lumaro::platform::linuxos {

// The text of an XDG autostart desktop entry named `name` that runs the program at `path` (no
// arguments) while that program exists (TryExec). An empty path keeps the entry but disables it:
// empty Exec, no TryExec and Hidden=true.
std::string autostartDesktopEntry(const std::string& name, const std::string& path);

// A path as the Exec key holds it: quoted when it has reserved characters, with the quoting,
// field-code and string escapes of the desktop entry format. A path with a percent sign is started
// through the shell, as the command /bin/sh -c 'exec "$0"' <path>.
std::string execValue(const std::string& path);

}  // namespace lumaro::platform::linuxos
