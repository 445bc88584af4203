#include "backends/linux/system/runtime_directory.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "backends/linux/system/scoped_env.h"
#include "backends/linux/system/temp_dir.h"
#include "backends/linux/system/unprivileged.h"

namespace lumaro::platform::linuxos {
namespace {

using testing::kNobody;
using testing::ScopedEnv;
using testing::TempDir;

mode_t modeOf(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// A sandbox for the fall-backs: its own temporary folder and configuration home.
class RuntimeDirectoryTest : public ::testing::Test {
 protected:
  std::string privateFolder() const { return temporary_.path() + "/lumaro-" + std::to_string(::geteuid()); }
  std::string homeFolder() const { return config_.path() + "/lumaro/runtime"; }

  TempDir temporary_;
  TempDir config_;
  ScopedEnv tmpdir_{"TMPDIR", temporary_.path()};
  ScopedEnv configHome_{"XDG_CONFIG_HOME", config_.path()};
};

TEST_F(RuntimeDirectoryTest, APrivateRuntimeDirIsUsedAsItIs) {
  const TempDir runtime;
  const ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.path() + "/");
  EXPECT_EQ(runtimeDirectory(), runtime.path());
}

TEST_F(RuntimeDirectoryTest, WithoutAUsableRuntimeDirOurOwnFolderIsCreatedWithMode0700) {
  const TempDir shared;
  ::chmod(shared.path().c_str(), 01777);
  for (const char* xdg :
       {static_cast<const char*>(nullptr), "relative/run", "/missing/folder", shared.path().c_str()}) {
    SCOPED_TRACE(xdg != nullptr ? xdg : "unset");
    const ScopedEnv variable("XDG_RUNTIME_DIR", xdg);
    EXPECT_EQ(runtimeDirectory(), privateFolder());
    EXPECT_EQ(modeOf(privateFolder()), 0700u);
  }
}

TEST_F(RuntimeDirectoryTest, OurFolderWithALooserModeIsTightened) {
  const ScopedEnv xdg("XDG_RUNTIME_DIR", nullptr);
  ASSERT_EQ(::mkdir(privateFolder().c_str(), 0777), 0);
  ::chmod(privateFolder().c_str(), 0777);
  EXPECT_EQ(runtimeDirectory(), privateFolder());
  EXPECT_EQ(modeOf(privateFolder()), 0700u);
}

TEST_F(RuntimeDirectoryTest, ALinkInPlaceOfOurFolderIsNotFollowed) {
  const ScopedEnv xdg("XDG_RUNTIME_DIR", nullptr);
  const TempDir elsewhere;
  ASSERT_EQ(::symlink(elsewhere.path().c_str(), privateFolder().c_str()), 0);
  EXPECT_EQ(runtimeDirectory(), homeFolder());
  EXPECT_EQ(modeOf(homeFolder()), 0700u);
}

TEST_F(RuntimeDirectoryTest, AnotherUsersFolderOrRuntimeDirIsNeverUsed) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a folder to another user";
  const TempDir foreign;
  ASSERT_EQ(::chown(foreign.path().c_str(), kNobody, kNobody), 0);
  const ScopedEnv xdg("XDG_RUNTIME_DIR", foreign.path());
  ASSERT_EQ(::mkdir(privateFolder().c_str(), 0700), 0);
  ASSERT_EQ(::chown(privateFolder().c_str(), kNobody, kNobody), 0);

  EXPECT_EQ(runtimeDirectory(), homeFolder());
}

TEST_F(RuntimeDirectoryTest, TheVariableIsSetOnlyWhenItDoesNotNameAPrivateFolder) {
  const TempDir runtime;
  {
    const ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.path());
    exportRuntimeDirectory();
    EXPECT_EQ(std::getenv("XDG_RUNTIME_DIR"), runtime.path());
  }
  const ScopedEnv xdg("XDG_RUNTIME_DIR", nullptr);
  exportRuntimeDirectory();
  ASSERT_NE(std::getenv("XDG_RUNTIME_DIR"), nullptr);
  EXPECT_EQ(std::getenv("XDG_RUNTIME_DIR"), privateFolder());
}

}  // namespace
}  // namespace lumaro::platform::linuxos
