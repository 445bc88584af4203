#include "app/program/command_line.h"

#include <string_view>

namespace lumaro::app {

namespace {

bool startsWith(const std::string& text, const char* prefix) {
  return text.rfind(prefix, 0) == 0;
}

// The toolkit's own options (Qt's, in either dash form), and whether each takes the next word.
struct ToolkitOption {
  std::string_view name;
  bool takesValue;
};
constexpr ToolkitOption kToolkitOptions[] = {{"platform", true},      {"platformpluginpath", true},
                                             {"platformtheme", true}, {"plugin", true},
                                             {"qmljsdebugger", true}, {"qwindowgeometry", true},
                                             {"qwindowicon", true},   {"qwindowtitle", true},
                                             {"session", true},       {"display", true},
                                             {"geometry", true},      {"title", true},
                                             {"name", true},          {"style", true},
                                             {"stylesheet", true},    {"reverse", false},
                                             {"widgetcount", false},  {"nograb", false},
                                             {"dograb", false},       {"sync", false}};

// The toolkit option `argument` names, if any: "-platform", or "-platform=offscreen" with its value.
const ToolkitOption* toolkitOption(const std::string& argument, bool& valueIncluded) {
  std::string_view name(argument);
  if (!startsWith(argument, "-") || startsWith(argument, "--")) return nullptr;
  name.remove_prefix(1);
  const auto equals = name.find('=');
  valueIncluded = equals != std::string_view::npos;
  name = name.substr(0, equals);
  for (const ToolkitOption& option : kToolkitOptions)
    if (option.name == name) return &option;
  return nullptr;
}

}  // namespace

CommandLineRequest readCommandLine(const std::vector<std::string>& arguments, bool toolkitOptionsPending) {
  bool unknown = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") return CommandLineRequest::PrintHelp;
    if (argument == "--version") return CommandLineRequest::PrintVersion;
    if (argument == "--optimize") return CommandLineRequest::Optimize;
    if (argument == "--show") return CommandLineRequest::Show;
    bool valueIncluded = false;
    const ToolkitOption* option = toolkitOptionsPending ? toolkitOption(argument, valueIncluded) : nullptr;
    if (option != nullptr) {
      // Its value belongs to it too.
      if (option->takesValue && !valueIncluded && i + 1 < arguments.size()) ++i;
      continue;
    }
    unknown = true;
  }
  return unknown ? CommandLineRequest::UsageError : CommandLineRequest::Run;
}

std::string usageText() {
  return "Usage: lumaro [--optimize | --show | --help | --version]\n"
         "\n"
         "Lumaro is a memory monitor and optimizer that lives in the notification area. It shows\n"
         "physical memory, swap and processor load, and frees memory on request or by itself.\n"
         "Without options it starts hidden in the notification area.\n"
         "\n"
         "  --optimize  ask the running copy to optimize to its target, as the hotkey does\n"
         "  --show      ask the running copy to show its window\n"
         "  --help      show this text and exit\n"
         "  --version   show the version and exit\n"
         "\n"
         "--optimize and --show need no display: bind them to keys in the desktop's own shortcut\n"
         "settings (sway: bindsym $mod+m exec lumaro --optimize). They end with exit code 1 when no\n"
         "copy runs.\n"
         "\n"
         "Settings: \"Lumaro.ini\" beside the program when its folder is writable and only yours (a\n"
         "portable copy), otherwise $XDG_CONFIG_HOME/lumaro/Lumaro.ini (default\n"
         "~/.config/lumaro/Lumaro.ini).\n"
         "\n"
         "Environment:\n"
         "  XDG_CONFIG_HOME     the settings folder and the start-with-the-desktop entry (autostart/)\n"
         "  XDG_DATA_HOME       holds lumaro/windows unless LUMARO_WINDOWS_DIR names a folder only\n"
         "                      you can write (or none yet)\n"
         "  XDG_RUNTIME_DIR     the single-instance lock and the restore socket, if only the user\n"
         "                      can write there (else a private folder in $TMPDIR or /tmp)\n"
         "  LUMARO_WINDOWS_DIR  the folder of the system configuration files (system.ini, registry.reg)\n"
         "  LUMARO_PROC_DIR     where /proc is read from (default /proc)\n";
}

std::optional<int> askRunningCopy(CommandLineRequest request, const RunningCopySender& send,
                                  std::ostream& err) {
  using Request = platform::RestoreChannel::Request;
  if (request != CommandLineRequest::Optimize && request != CommandLineRequest::Show) return std::nullopt;
  if (send(request == CommandLineRequest::Optimize ? Request::Optimize : Request::Restore)) return 0;
  err << "lumaro: no running copy of Lumaro to ask; start it first\n";
  return 1;
}

std::optional<int> answerCommandLine(const std::vector<std::string>& arguments, bool toolkitOptionsPending,
                                     std::ostream& out, std::ostream& err, const RunningCopySender& send) {
  const CommandLineRequest request = readCommandLine(arguments, toolkitOptionsPending);
  switch (request) {
    case CommandLineRequest::Run:
      return std::nullopt;
    case CommandLineRequest::PrintVersion:
      out << "Lumaro " << LUMARO_VERSION << '\n';
      return 0;
    case CommandLineRequest::PrintHelp:
      out << usageText();
      return 0;
    case CommandLineRequest::UsageError:
      err << usageText();
      return 2;
    case CommandLineRequest::Optimize:
    case CommandLineRequest::Show:
      return askRunningCopy(request, send, err);
  }
  return std::nullopt;
}

}  // namespace lumaro::app
