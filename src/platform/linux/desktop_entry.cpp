#include "platform/linux/desktop_entry.h"

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

}  // namespace

std::string execValue(const std::string& path) {
  constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
  std::string argument;
  const bool quoted = path.find_first_of(kReserved) != std::string::npos;
  if (quoted) argument += '"';
  for (char c : path) {
    if (quoted && (c == '"' || c == '`' || c == '$' || c == '\\')) argument += '\\';
    if (c == '%') argument += '%';  // a literal percent sign, not a field code
    argument += c;
  }
  if (quoted) argument += '"';
  return stringEscaped(argument);
}

std::string autostartDesktopEntry(const std::string& name, const std::string& path) {
  std::string entry = "[Desktop Entry]\nType=Application\nName=" + stringEscaped(name) +
                      "\nExec=" + execValue(path) + "\nTerminal=false\n";
  if (path.empty()) entry += "Hidden=true\n";
  return entry;
}

}  // namespace lumaro::platform::linuxos
