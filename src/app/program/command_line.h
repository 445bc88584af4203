#pragma once
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace lumaro::app {

// What the program's arguments ask for.
enum class CommandLineRequest { Run, PrintVersion, PrintHelp, UsageError };

// Reads the arguments after the program name. The toolkit takes its own single-dash options
// ("-platform offscreen", "-display :1"): while it has not seen them yet (toolkitOptionsPending),
// those and their values are left to it, and any other argument is unknown already, so that it is
// answered before the toolkit looks for a display; afterwards any argument still there is unknown.
// The first of "--help" and "--version" wins over the rest.
CommandLineRequest readCommandLine(const std::vector<std::string>& arguments, bool toolkitOptionsPending);

// The short usage: what the program does, where its settings live, the environment it reads.
std::string usageText();

// Answers "--help" and "--version" on out (exit code 0) and an unknown argument with the usage on err
// (exit code 2). Nothing when the program is to run.
std::optional<int> answerCommandLine(const std::vector<std::string>& arguments, bool toolkitOptionsPending,
                                     std::ostream& out, std::ostream& err);

}  // namespace lumaro::app
