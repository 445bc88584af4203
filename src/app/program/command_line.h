#pragma once
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/instance_guard.h"

namespace lumaro::app {

// What the program's arguments ask for.
enum class CommandLineRequest { Run, PrintVersion, PrintHelp, UsageError, Optimize, Show };

// Reads the arguments after the program name. The toolkit takes its own single-dash options
// ("-platform offscreen", "-display :1"): while it has not seen them yet (toolkitOptionsPending),
// those and their values are left to it, and any other argument is unknown already, so that it is
// answered before the toolkit looks for a display; afterwards any argument still there is unknown.
// The first of "--help", "--version", "--optimize" and "--show" wins over the rest.
CommandLineRequest readCommandLine(const std::vector<std::string>& arguments, bool toolkitOptionsPending);

// The short usage: what the program does, where its settings live, the environment it reads.
std::string usageText();

// Hands one request to the running copy; false when no copy runs.
using RunningCopySender = std::function<bool(platform::RestoreChannel::Request)>;

// Answers "--optimize" and "--show" by asking the running copy: exit code 0 when it was asked, 1 with
// one line on err when no copy runs. Nothing for any other request.
std::optional<int> askRunningCopy(CommandLineRequest request, const RunningCopySender& send,
                                  std::ostream& err);

// Answers "--help" and "--version" on out (exit code 0), "--optimize" and "--show" as askRunningCopy
// does, and an unknown argument with the usage on err (exit code 2). Nothing when the program is to run.
std::optional<int> answerCommandLine(const std::vector<std::string>& arguments, bool toolkitOptionsPending,
                                     std::ostream& out, std::ostream& err, const RunningCopySender& send);

}  // namespace lumaro::app
