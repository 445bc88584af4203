#pragma once
#include <cstdint>
#include <optional>

#include "toolkit/core/application.h"

namespace lumaro::toolkit {

// Lets pending messages run from inside long work that reports thousands of times a second: at the
// first report, then once an interval has passed since the last pass. The work stays as responsive
// (a click, a close request, a timer, a repaint) as at one pass per report, without paying for a
// turn of the message loop at every report.
class PacedMessages {
 public:
  PacedMessages(Application& application, std::uint32_t intervalMs)
      : application_(application), intervalMs_(intervalMs) {}

  // The next report lets pending messages run whatever the time.
  void restart() { lastPass_.reset(); }
  // Lets pending messages run when they are due.
  void processIfDue();

 private:
  Application& application_;
  std::uint32_t intervalMs_;
  std::optional<std::uint64_t> lastPass_;
};

}  // namespace lumaro::toolkit
