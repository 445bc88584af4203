#include "backends/linux/system/instance_guard.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "backends/linux/system/scoped_env.h"
#include "backends/linux/system/temp_dir.h"

namespace lumaro::platform::linuxos {
namespace {

using testing::ScopedEnv;
using testing::TempDir;

// Another copy of the program: claims the name, reports through a pipe, then waits to be killed.
class OtherCopy {
 public:
  explicit OtherCopy(const std::string& name) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      FlockInstanceGuard guard;
      const char claimed = guard.claim(name) ? 'y' : 'n';
      if (::write(pipeFds[1], &claimed, 1) != 1) ::_exit(1);
      for (;;) ::pause();
    }
    ::close(pipeFds[1]);
    if (pid_ > 0 && ::read(pipeFds[0], &claimed_, 1) != 1) claimed_ = 0;
    ::close(pipeFds[0]);
  }
  OtherCopy(const OtherCopy&) = delete;
  OtherCopy& operator=(const OtherCopy&) = delete;
  ~OtherCopy() { kill(); }

  bool claimed() const { return claimed_ == 'y'; }
  void kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  char claimed_ = 0;
};

TEST(FlockInstanceGuard, ANameHeldByAnotherProcessIsRefusedUntilThatProcessDies) {
  const TempDir runtime;
  const ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.path());
  OtherCopy other("LUMARO2");
  ASSERT_TRUE(other.claimed());
  FlockInstanceGuard guard;

  EXPECT_FALSE(guard.claim("LUMARO2"));
  struct stat lockFile {};
  ASSERT_EQ(::stat((runtime.path() + "/LUMARO2.lock").c_str(), &lockFile), 0);
  EXPECT_EQ(lockFile.st_mode & 0777, 0600u);

  other.kill();
  EXPECT_TRUE(guard.claim("LUMARO2"));
}

TEST(FlockInstanceGuard, ALockHeldInAFolderOthersCanWriteDoesNotStopUs) {
  const TempDir shared;
  const TempDir temporary;
  ASSERT_EQ(::chmod(shared.path().c_str(), 01777), 0);
  const ScopedEnv xdg("XDG_RUNTIME_DIR", shared.path());
  const ScopedEnv tmp("TMPDIR", temporary.path());
  // Whoever can write there may hold a lock of our name.
  const int squatter = ::open((shared.path() + "/LUMARO2.lock").c_str(), O_RDWR | O_CREAT, 0666);
  ASSERT_GE(squatter, 0);
  ASSERT_EQ(::flock(squatter, LOCK_EX), 0);

  EXPECT_TRUE(FlockInstanceGuard().claim("LUMARO2"));
  ::close(squatter);
}

TEST(FlockInstanceGuard, ALinkOrAnotherUsersFileInPlaceOfTheLockIsReplaced) {
  const TempDir runtime;
  const TempDir elsewhere;
  const ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.path());
  const std::string lockPath = runtime.path() + "/LUMARO2.lock";
  elsewhere.write("target", "keep");
  ASSERT_EQ(::symlink((elsewhere.path() + "/target").c_str(), lockPath.c_str()), 0);
  {
    FlockInstanceGuard guard;
    EXPECT_TRUE(guard.claim("LUMARO2"));
  }
  struct stat lockFile {};
  ASSERT_EQ(::lstat(lockPath.c_str(), &lockFile), 0);
  EXPECT_TRUE(S_ISREG(lockFile.st_mode));
  EXPECT_EQ(std::ifstream(elsewhere.path() + "/target").rdbuf()->sgetc(), 'k');

  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give the lock file to another user";
  ASSERT_EQ(::chown(lockPath.c_str(), 65534, 65534), 0);
  FlockInstanceGuard guard;
  EXPECT_TRUE(guard.claim("LUMARO2"));
  ASSERT_EQ(::lstat(lockPath.c_str(), &lockFile), 0);
  EXPECT_EQ(lockFile.st_uid, ::geteuid());
}

TEST(FlockInstanceGuard, ALockFileThatCannotBeOpenedCountsAsHeld) {
  const TempDir runtime;
  const ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.path());
  EXPECT_FALSE(FlockInstanceGuard().claim("missing-folder/LUMARO2"));
}

}  // namespace
}  // namespace lumaro::platform::linuxos
