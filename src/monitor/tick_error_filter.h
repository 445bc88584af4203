#pragma once
#include <functional>
#include <optional>
#include <string>

namespace lumaro::monitor {

// Keeps a tick that keeps failing from holding the program in the error handler's pause over and over:
// an error is let through the first time and whenever it differs from the one before; the same error
// again ends the pass quietly. A pass that succeeds forgets the error, so that it is reported again
// should it come back.
class TickErrorFilter {
 public:
  // Runs `pass`; rethrows what it raises unless that repeats the last error.
  void run(const std::function<void()>& pass);

 private:
  std::optional<std::string> last_;
};

}  // namespace lumaro::monitor
