#include "backends/linux/system/desktop_entry.h"

#include <string_view>

namespace lumaro::platform::linuxos {

namespace {

// The escapes of the "string" value type: backslash and the control characters a line cannot hold.
std::string stringEscaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// One argument of the Exec key before the string escapes: quoted when it has reserved characters,
// with a literal percent sign doubled.
std::string execArgument(std::string_view text) {
  constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
  std::string argument;
  const bool quoted = text.find_first_of(kReserved) != std::string_view::npos;
  if (quoted) argument += '"';
  for (char c : text) {
    if (quoted && (c == '"' || c == '`' || c == '$' || c == '\\')) argument += '\\';
    if (c == '%') argument += '%';  // a literal percent sign, not a field code
    argument += c;
  }
  if (quoted) argument += '"';
  return argument;
}

}  // namespace

std::string execValue(const std::string& path) {
  // GLib and systemd look the program up by the first word of Exec before they read "%%" as "%", so
  // they would never find a program whose path holds one: a shell starts it instead, from an
  // argument, where the doubled sign is read back as it should be.
  std::string command = execArgument(path);
  if (path.find('%') != std::string::npos)
    command = "/bin/sh -c " + execArgument("exec \"$0\"") + ' ' + command;
  return stringEscaped(command);
}

std::string autostartDesktopEntry(const std::string& name, const std::string& path) {
  std::string entry =
      "[Desktop Entry]\nType=Application\nName=" + stringEscaped(name) + "\nExec=" + execValue(path) + "\n";
  // Desktops skip an entry whose TryExec is gone, so a removed program is never started at login. It
  // names the program itself, plainly: no quoting and no field codes, also when Exec goes through the
  // shell.
  if (!path.empty()) entry += "TryExec=" + stringEscaped(path) + "\n";
  entry += "Terminal=false\n";
  if (path.empty()) entry += "Hidden=true\n";
  return entry;
}

}  // namespace lumaro::platform::linuxos
