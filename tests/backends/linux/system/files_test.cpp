#include "backends/linux/system/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "backends/linux/system/scoped_env.h"
#include "backends/linux/system/temp_dir.h"
#include "backends/linux/system/unprivileged.h"

namespace lumaro::platform::linuxos {
namespace {

using testing::kNobody;
using testing::ScopedEnv;
using testing::TempDir;

bool giveAway(const std::string& path) {
  return ::lchown(path.c_str(), kNobody, kNobody) == 0;
}

TEST(LinuxFiles, OnlyRegularFilesExist) {
  const TempDir dir;
  dir.write("system.ini", "");
  LinuxFiles files;

  EXPECT_TRUE(files.fileExists(dir.path() + "/system.ini"));
  EXPECT_FALSE(files.fileExists(dir.path()));
  EXPECT_FALSE(files.fileExists(dir.path() + "/tuneup.exe"));
}

TEST(LinuxFiles, APathIsPrivateInAFolderOnlyTheUserCanWrite) {
  const TempDir dir;
  dir.write("Lumaro.ini", "");
  LinuxFiles files;
  const std::string ini = dir.path() + "/Lumaro.ini";
  for (const mode_t mode : {0700, 0755, 0500}) {
    ASSERT_EQ(::chmod(dir.path().c_str(), mode), 0);
    EXPECT_TRUE(files.isPrivatePath(ini)) << std::oct << mode;
    EXPECT_TRUE(files.isPrivatePath(dir.path() + "/absent")) << std::oct << mode;
  }
  for (const mode_t mode : {0770, 0707, 01777}) {
    ASSERT_EQ(::chmod(dir.path().c_str(), mode), 0);
    EXPECT_FALSE(files.isPrivatePath(ini)) << std::oct << mode;
    EXPECT_FALSE(files.isPrivatePath(dir.path() + "/absent")) << std::oct << mode;
  }
  ASSERT_EQ(::chmod(dir.path().c_str(), 0700), 0);
  EXPECT_FALSE(files.isPrivatePath(ini + "/below a file"));
  EXPECT_FALSE(files.isPrivatePath(dir.path() + "/missing/Lumaro.ini"));
  EXPECT_FALSE(files.isPrivatePath("Lumaro.ini"));  // no folder named
}

TEST(LinuxFiles, OnlyTheUsersOwnLinksLeadToPrivatePlaces) {
  const TempDir dir;
  const std::string real = dir.path() + "/real";
  std::filesystem::create_directory(real);
  std::filesystem::create_directory_symlink(real, dir.path() + "/folder link");
  dir.write("real/dotfile", "");
  std::filesystem::create_symlink(real + "/dotfile", real + "/Lumaro.ini");
  std::filesystem::create_symlink(real + "/absent", real + "/dangling");
  LinuxFiles files;
  EXPECT_TRUE(files.isPrivatePath(dir.path() + "/folder link/Lumaro.ini"));
  EXPECT_TRUE(files.isPrivatePath(real + "/Lumaro.ini"));
  EXPECT_FALSE(files.isPrivatePath(real + "/dangling"));
  ASSERT_EQ(::chmod(real.c_str(), 0777), 0);
  EXPECT_FALSE(files.isPrivatePath(dir.path() + "/folder link/Lumaro.ini"));
}

TEST(LinuxFiles, AnotherUsersFileFolderOrLinkIsNeverPrivate) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give files to another user";
  const TempDir dir;
  LinuxFiles files;
  dir.write("theirs", "");
  dir.write("mine", "");
  std::filesystem::create_symlink(dir.path() + "/theirs", dir.path() + "/my link to theirs");
  std::filesystem::create_symlink(dir.path() + "/mine", dir.path() + "/their link to mine");
  std::filesystem::create_directory(dir.path() + "/their folder");
  std::filesystem::create_directory_symlink(dir.path() + "/their folder", dir.path() + "/my folder link");
  for (const char* name : {"/theirs", "/their link to mine", "/their folder"})
    ASSERT_TRUE(giveAway(dir.path() + name)) << name;

  EXPECT_TRUE(files.isPrivatePath(dir.path() + "/mine"));
  for (const char* name : {"/theirs", "/my link to theirs", "/their link to mine", "/their folder/absent",
                           "/my folder link/absent"})
    EXPECT_FALSE(files.isPrivatePath(dir.path() + name)) << name;
}

TEST(LinuxFiles, ExecutablePathNamesThisTestProgram) {
  const std::string path = LinuxFiles().executablePath();
  EXPECT_EQ(std::filesystem::path(path).filename(), "lumaro_linux_system_tests");
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

TEST(LinuxFiles, AChosenWindowsDirectoryIsUsedOnlyWhileOnlyTheUserCanWriteIt) {
  const TempDir dir;
  const ScopedEnv data("XDG_DATA_HOME", dir.path() + "/data");
  const std::string fallback = dir.path() + "/data/lumaro/windows";
  dir.write("file", "");
  for (const std::string& usable : {dir.path(), dir.path() + "/not yet", dir.path() + "/file/never"}) {
    const ScopedEnv chosen("LUMARO_WINDOWS_DIR", usable);
    EXPECT_EQ(LinuxFiles().windowsDirectory(), usable);
  }
  const ScopedEnv chosen("LUMARO_WINDOWS_DIR", dir.path() + "/");
  ASSERT_EQ(::chmod(dir.path().c_str(), 01777), 0);
  EXPECT_EQ(LinuxFiles().windowsDirectory(), fallback);
  ASSERT_EQ(::chmod(dir.path().c_str(), 0700), 0);
  {
    const ScopedEnv file("LUMARO_WINDOWS_DIR", dir.path() + "/file");  // not a folder
    EXPECT_EQ(LinuxFiles().windowsDirectory(), fallback);
  }
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a folder to another user";
  std::filesystem::create_directory(dir.path() + "/theirs");
  std::filesystem::create_directory_symlink(dir.path() + "/theirs", dir.path() + "/link");
  ASSERT_TRUE(giveAway(dir.path() + "/theirs"));
  for (const char* name : {"/theirs", "/link"}) {
    const ScopedEnv foreign("LUMARO_WINDOWS_DIR", dir.path() + name);
    EXPECT_EQ(LinuxFiles().windowsDirectory(), fallback) << name;
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
