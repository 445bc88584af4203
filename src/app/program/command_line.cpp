#include "app/program/command_line.h"

namespace lumaro::app {

namespace {

bool startsWith(const std::string& text, const char* prefix) {
  return text.rfind(prefix, 0) == 0;
}

}  // namespace

CommandLineRequest readCommandLine(const std::vector<std::string>& arguments, bool toolkitOptionsPending) {
  bool unknown = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") return CommandLineRequest::PrintHelp;
    if (argument == "--version") return CommandLineRequest::PrintVersion;
    const bool toolkitOption =
        toolkitOptionsPending && startsWith(argument, "-") && !startsWith(argument, "--");
    if (toolkitOption) {
      // Its value, if any, belongs to it too.
      if (i + 1 < arguments.size() && !startsWith(arguments[i + 1], "-")) ++i;
      continue;
    }
    unknown = true;
  }
  return unknown ? CommandLineRequest::UsageError : CommandLineRequest::Run;
}

std::string usageText() {
  return "Usage: lumaro [--help] [--version]\n"
         "\n"
         "Lumaro is a memory monitor and optimizer that lives in the notification area. It shows\n"
         "physical memory, swap and processor load, and frees memory on request or by itself.\n"
         "Without options it starts hidden in the notification area.\n"
         "\n"
         "  --help     show this text and exit\n"
         "  --version  show the version and exit\n"
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

std::optional<int> answerCommandLine(const std::vector<std::string>& arguments, bool toolkitOptionsPending,
                                     std::ostream& out, std::ostream& err) {
  switch (readCommandLine(arguments, toolkitOptionsPending)) {
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
  }
  return std::nullopt;
}

}  // namespace lumaro::app
