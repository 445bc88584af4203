#include "platform/linux/linux_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/linux/scoped_env.h"
#include "platform/linux/temp_dir.h"

namespace lumaro::platform::linuxos {
namespace {

using testing::ScopedEnv;
using testing::TempDir;

TEST(LinuxFiles, OnlyRegularFilesExist) {
  const TempDir dir;
  dir.write("system.ini", "");
  LinuxFiles files;

  EXPECT_TRUE(files.fileExists(dir.path() + "/system.ini"));
  EXPECT_FALSE(files.fileExists(dir.path()));
  EXPECT_FALSE(files.fileExists(dir.path() + "/tuneup.exe"));
}

TEST(LinuxFiles, ExecutablePathNamesThisTestProgram) {
  const std::string path = LinuxFiles().executablePath();
  EXPECT_EQ(std::filesystem::path(path).filename(), "lumaro_platform_linux_tests");
  EXPECT_TRUE(LinuxFiles().fileExists(path));
}

TEST(LinuxFiles, WindowsDirectoryFollowsTheEnvironmentWithoutTrailingSeparators) {
  const ScopedEnv home("HOME", "/home/ana/");
  {
    const ScopedEnv own("LUMARO_WINDOWS_DIR", "/srv/lumaro//");
    EXPECT_EQ(LinuxFiles().windowsDirectory(), "/srv/lumaro");
  }
  const ScopedEnv own("LUMARO_WINDOWS_DIR", "");
  {
    const ScopedEnv data("XDG_DATA_HOME", "/data/");
    EXPECT_EQ(LinuxFiles().windowsDirectory(), "/data/lumaro/windows");
  }
  for (const char* unusable : {"", "relative/data"}) {
    const ScopedEnv data("XDG_DATA_HOME", unusable);
    EXPECT_EQ(LinuxFiles().windowsDirectory(), "/home/ana/.local/share/lumaro/windows") << unusable;
  }
}

TEST(LinuxFiles, ConfigDirectoryFollowsXdgConfigHome) {
  const ScopedEnv home("HOME", "/home/ana/");
  {
    const ScopedEnv config("XDG_CONFIG_HOME", "/cfg//");
    EXPECT_EQ(LinuxFiles().configDirectory(), "/cfg/lumaro");
  }
  for (const char* unusable : {"", "relative/cfg"}) {
    const ScopedEnv config("XDG_CONFIG_HOME", unusable);
    EXPECT_EQ(LinuxFiles().configDirectory(), "/home/ana/.config/lumaro") << unusable;
  }
}

}  // namespace
}  // namespace lumaro::platform::linuxos
