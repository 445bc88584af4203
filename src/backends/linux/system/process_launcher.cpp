#include "backends/linux/system/process_launcher.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "backends/linux/system/command_line.h"

extern char** environ;

namespace lumaro::platform::linuxos {

namespace {

// The spawn settings, released however the start ends.
class SpawnSettings {
 public:
  explicit SpawnSettings(const std::string& currentDirectory) {
    ::posix_spawn_file_actions_init(&actions_);
    if (!currentDirectory.empty())
      ::posix_spawn_file_actions_addchdir_np(&actions_, currentDirectory.c_str());
    ::posix_spawn_file_actions_addclosefrom_np(&actions_, STDERR_FILENO + 1);
    ::posix_spawnattr_init(&attributes_);
    sigset_t signals;
    ::sigemptyset(&signals);
    ::posix_spawnattr_setsigmask(&attributes_, &signals);
    // Libraries commonly ignore SIGPIPE; the program must not inherit that.
    ::sigaddset(&signals, SIGPIPE);
    ::posix_spawnattr_setsigdefault(&attributes_, &signals);
    ::posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  }
  SpawnSettings(const SpawnSettings&) = delete;
  SpawnSettings& operator=(const SpawnSettings&) = delete;
  ~SpawnSettings() {
    ::posix_spawnattr_destroy(&attributes_);
    ::posix_spawn_file_actions_destroy(&actions_);
  }

  const posix_spawn_file_actions_t* actions() const { return &actions_; }
  const posix_spawnattr_t* attributes() const { return &attributes_; }

 private:
  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attributes_;
};

}  // namespace

bool PosixProcessLauncher::runAndWait(const std::string& commandLine, const std::string& currentDirectory,
                                      int /*showMode*/) {
  std::vector<std::string> arguments = commandLineArguments(commandLine);
  if (arguments.empty()) return false;
  std::vector<char*> argv;
  for (auto& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  const SpawnSettings settings(currentDirectory);
  pid_t child = 0;
  if (::posix_spawn(&child, argv[0], settings.actions(), settings.attributes(), argv.data(), environ) != 0) {
    return false;
  }
  while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
  return true;
}

}  // namespace lumaro::platform::linuxos
