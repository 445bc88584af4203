#pragma once

namespace lumaro::platform::linuxos {

// While it lives, a display the toolkit cannot open ends the program with one clear line on standard
// error and exit code 1, instead of the toolkit's own abort and its advice to reinstall. What the
// toolkit says meanwhile is held back, and passed on once the guard ends without a failure.
class DisplayGuard {
 public:
  DisplayGuard();
  ~DisplayGuard();
  DisplayGuard(const DisplayGuard&) = delete;
  DisplayGuard& operator=(const DisplayGuard&) = delete;
};

}  // namespace lumaro::platform::linuxos
