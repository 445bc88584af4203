#pragma once
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace lumaro::platform::linuxos::testing {

// The user "nobody", whom root hands files to in tests.
inline constexpr uid_t kNobody = 65534;

// Runs `check` in a child process that file permissions apply to: as "nobody" when this process is
// root (root writes into read-only folders). True when `check` returned true.
inline bool inUnprivilegedChild(const std::function<bool()>& check) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
      ::_exit(2);
    }
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace lumaro::platform::linuxos::testing
