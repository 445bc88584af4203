// The autostart desktop entry on arbitrary names and paths (input: the name, a NUL byte, the path):
// the entry keeps its fixed lines whatever the texts hold, and a reader that follows the desktop entry
// format's escaping and quoting rules gets back exactly the name and the one path it was given (a path
// with a percent sign as the argument of a shell that starts it), and the plain path from TryExec.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "backends/linux/system/desktop_entry.h"
#include "fuzz_check.h"

using namespace lumaro;
using fuzz::require;

namespace {

// The "string" escapes: \s \n \t \r \\.
std::optional<std::string> unescapeString(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\') {
      out += value[i];
      continue;
    }
    if (++i == value.size()) return std::nullopt;
    switch (value[i]) {
      case 's':
        out += ' ';
        break;
      case 'n':
        out += '\n';
        break;
      case 't':
        out += '\t';
        break;
      case 'r':
        out += '\r';
        break;
      case '\\':
        out += '\\';
        break;
      default:
        return std::nullopt;
    }
  }
  return out;
}

// The Exec arguments: blanks separate them; a quoted one may hold anything, with \" \` \$ \\ escaped;
// an unquoted one no reserved character; "%%" is a literal percent sign and no other field code may
// appear.
std::optional<std::vector<std::string>> execArguments(std::string_view exec) {
  constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
  std::vector<std::string> arguments;
  std::size_t i = 0;
  while (i < exec.size()) {
    if (exec[i] == ' ') {
      ++i;
      continue;
    }
    std::string argument;
    if (exec[i] == '"') {
      for (++i;; ++i) {
        if (i == exec.size()) return std::nullopt;
        if (exec[i] == '"') break;
        if (exec[i] == '\\') {
          if (++i == exec.size() || std::string_view("\"`$\\").find(exec[i]) == std::string_view::npos)
            return std::nullopt;
        } else if (exec[i] == '`' || exec[i] == '$') {
          return std::nullopt;
        }
        argument += exec[i];
      }
      ++i;
      if (i < exec.size() && exec[i] != ' ') return std::nullopt;
    } else {
      for (; i < exec.size() && exec[i] != ' '; ++i) {
        if (kReserved.find(exec[i]) != std::string_view::npos) return std::nullopt;
        argument += exec[i];
      }
    }
    std::string literal;
    for (std::size_t k = 0; k < argument.size(); ++k) {
      if (argument[k] == '%' && (++k == argument.size() || argument[k] != '%')) return std::nullopt;
      literal += argument[k];
    }
    arguments.push_back(std::move(literal));
  }
  return arguments;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = fuzz::textOf(data, size);
  const auto split = input.find('\0');
  if (split == std::string_view::npos) return 0;
  const std::string name(input.substr(0, split));
  std::string path(input.substr(split + 1));
  std::erase(path, '\0');  // a path never holds one

  const std::string entry = platform::linuxos::autostartDesktopEntry(name, path);
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < entry.size();) {
    const auto end = entry.find('\n', start);
    require(end != std::string::npos);
    lines.push_back(std::string_view(entry).substr(start, end - start));
    start = end + 1;
  }
  // A disabled entry has no TryExec and ends with Hidden=true; either way six lines.
  require(lines.size() == 6u);
  const std::size_t terminal = path.empty() ? 4 : 5;
  require(lines[0] == "[Desktop Entry]" && lines[1] == "Type=Application" &&
          lines[terminal] == "Terminal=false");
  require(lines[2].starts_with("Name=") && lines[3].starts_with("Exec="));
  require(unescapeString(lines[2].substr(5)) == name);

  const auto exec = unescapeString(lines[3].substr(5));
  require(exec.has_value());
  const auto arguments = execArguments(*exec);
  require(arguments.has_value());
  if (path.empty()) {
    require(arguments->empty() && lines[5] == "Hidden=true");
  } else if (path.find('%') != std::string::npos) {
    require(*arguments == std::vector<std::string>{"/bin/sh", "-c", "exec \"$0\"", path});
  } else {
    require(arguments->size() == 1 && arguments->front() == path);
  }
  if (!path.empty()) require(lines[4].starts_with("TryExec=") && unescapeString(lines[4].substr(8)) == path);
  return 0;
}
