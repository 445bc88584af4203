#include "backends/linux/system/file_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "backends/linux/system/temp_dir.h"
#include "backends/linux/system/unprivileged.h"

namespace lumaro::platform::linuxos {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using testing::inUnprivilegedChild;
using testing::TempDir;
using ::testing::UnorderedElementsAre;
using Status = FileStore::ReadStatus;

std::vector<std::string> namesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

mode_t modeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

// Missing and unreadable files in general: the file store contract.
TEST(LinuxFileStore, ReadsEveryByteAndRefusesFilesTooLargeToBeSettings) {
  const TempDir dir;
  dir.write("Lumaro.ini", std::string("[S]\r\nK=\0v\r\n", 11));
  LinuxFileStore store;
  const auto content = store.read(dir.path() + "/Lumaro.ini");
  EXPECT_EQ(content.status, Status::Read);
  EXPECT_EQ(content.bytes, std::string("[S]\r\nK=\0v\r\n", 11));

  // A file too large to be a settings file is never rewritten, so it reads as a failure.
  const std::string huge = dir.path() + "/huge.ini";
  dir.write("huge.ini", "");
  fs::resize_file(huge, LinuxFileStore::kMaxFileSize + 1);
  EXPECT_EQ(store.read(huge).status, Status::Failed);
}

TEST(LinuxFileStore, WritesCreateFoldersAndReplaceTheWholeFileKeepingItsPermissions) {
  const TempDir dir;
  LinuxFileStore store;
  const std::string path = dir.path() + "/config/lumaro/Lumaro.ini";
  ASSERT_TRUE(store.write(path, "[S]\r\nK=1\r\n"));
  EXPECT_EQ(store.read(path).bytes, "[S]\r\nK=1\r\n");
  EXPECT_EQ(modeOf(dir.path() + "/config/lumaro"), 0700u);

  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(store.write(path, "short"));
  EXPECT_EQ(store.read(path).bytes, "short");
  EXPECT_EQ(modeOf(path), 0640u);
  EXPECT_THAT(namesIn(dir.path() + "/config/lumaro"), ElementsAre("Lumaro.ini"));  // no temporary file left
}

TEST(LinuxFileStore, WritingThroughASymbolicLinkKeepsTheLink) {
  const TempDir dir;
  dir.write("real.ini", "old");
  fs::create_symlink(dir.path() + "/real.ini", dir.path() + "/Lumaro.ini");
  LinuxFileStore store;
  ASSERT_TRUE(store.write(dir.path() + "/Lumaro.ini", "new"));
  EXPECT_TRUE(fs::is_symlink(dir.path() + "/Lumaro.ini"));
  EXPECT_EQ(store.read(dir.path() + "/real.ini").bytes, "new");
}

TEST(LinuxFileStore, AReadOnlyFolderRefusesTheWriteAndKeepsTheOldFile) {
  const TempDir dir;
  dir.write("Lumaro.ini", "[S]\r\nK=old\r\n");
  ::chmod(dir.path().c_str(), 0555);
  const std::string path = dir.path() + "/Lumaro.ini";
  EXPECT_TRUE(inUnprivilegedChild([&] {
    LinuxFileStore store;
    return !store.canCreateIn(dir.path()) && !store.write(path, "new") &&
           store.read(path).bytes == "[S]\r\nK=old\r\n" && !store.write(dir.path() + "/sub/x.ini", "new");
  }));
  EXPECT_THAT(namesIn(dir.path()), ElementsAre("Lumaro.ini"));
  ::chmod(dir.path().c_str(), 0700);

  LinuxFileStore store;
  EXPECT_TRUE(store.canCreateIn(dir.path()));
  EXPECT_FALSE(store.canCreateIn(path));  // a file, not a folder
  EXPECT_FALSE(store.canCreateIn(dir.path() + "/absent"));
}

TEST(LinuxFileStore, AReadOnlyFileInAWritableFolderIsNotReplaced) {
  const TempDir dir;
  const std::string path = dir.path() + "/Lumaro.ini";
  dir.write("Lumaro.ini", "[S]\r\nK=old\r\n");
  ::chmod(path.c_str(), 0444);
  LinuxFileStore store;
  EXPECT_FALSE(store.write(path, "new"));  // for root as well
  EXPECT_EQ(store.read(path).bytes, "[S]\r\nK=old\r\n");
  EXPECT_EQ(modeOf(path), 0444u);

  // Writable by its owner only: another user may not replace it through the folder.
  ::chmod(path.c_str(), 0644);
  ::chmod(dir.path().c_str(), 0777);
  if (::geteuid() == 0) {
    EXPECT_TRUE(inUnprivilegedChild([&] { return !LinuxFileStore().write(path, "new"); }));
  }
  ::chmod(dir.path().c_str(), 0700);  // a folder others may write is not read from either
  EXPECT_EQ(store.read(path).bytes, "[S]\r\nK=old\r\n");
  EXPECT_THAT(namesIn(dir.path()), ElementsAre("Lumaro.ini"));
}

TEST(LinuxFileStore, TheFirstAccessRemovesTemporaryFilesOfWritesThatDidNotEnd) {
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  const std::string dead = std::to_string(gone);
  const std::string running = std::to_string(::getppid());
  const TempDir dir;
  dir.write("Lumaro.ini", "[S]\r\n");
  for (const std::string& name : {".Lumaro.ini." + dead + ".0.tmp", ".Lumaro.ini." + dead + ".17.tmp",
                                  ".Lumaro.ini." + running + ".0.tmp", ".Lumaro.ini." + dead + ".tmp",
                                  std::string(".Lumaro.ini.bak"), ".system.ini." + dead + ".0.tmp"}) {
    dir.write(name, "partial");
  }
  LinuxFileStore store;
  store.read(dir.path() + "/Lumaro.ini");
  EXPECT_THAT(
      namesIn(dir.path()),
      UnorderedElementsAre(".Lumaro.ini." + dead + ".tmp", ".Lumaro.ini." + running + ".0.tmp",
                           std::string(".Lumaro.ini.bak"), ".system.ini." + dead + ".0.tmp", "Lumaro.ini"));
  ASSERT_TRUE(store.write(dir.path() + "/system.ini", "[386enh]\r\n"));
  EXPECT_EQ(namesIn(dir.path()).size(), 5u);  // the other file's leftover went with its first write
}

}  // namespace
}  // namespace lumaro::platform::linuxos
