#include "platform/contract/files_contract.h"

#include <filesystem>

namespace lumaro::platform::contract {
namespace {

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(FilesContract);

bool endsWithSeparator(const std::string& path) {
  return !path.empty() && (path.back() == '/' || path.back() == '\\');
}

TEST_P(FilesContract, OnlyExistingRegularFilesExist) {
  Files& files = subject().files();
  EXPECT_TRUE(files.fileExists(subject().existingFile()));
  EXPECT_FALSE(files.fileExists(subject().existingFolder()));
  EXPECT_FALSE(files.fileExists(subject().absentPathIn(subject().existingFolder())));
}

TEST_P(FilesContract, TheUsersOwnFilesInTheirOwnFolderArePrivate) {
  Files& files = subject().files();
  EXPECT_TRUE(files.isPrivatePath(subject().existingFile()));
  EXPECT_TRUE(files.isPrivatePath(subject().absentPathIn(subject().existingFolder())));
}

TEST_P(FilesContract, AnotherUsersFileOrFolderIsNotPrivate) {
  Files& files = subject().files();
  const std::string folder = subject().existingFolder();
  if (!subject().giveAway(subject().existingFile())) GTEST_SKIP() << "files cannot change hands here";
  EXPECT_FALSE(files.isPrivatePath(subject().existingFile()));
  EXPECT_TRUE(files.isPrivatePath(subject().absentPathIn(folder)));

  ASSERT_TRUE(subject().giveAway(folder));
  EXPECT_FALSE(files.isPrivatePath(subject().absentPathIn(folder)));
}

TEST_P(FilesContract, NothingInAFolderOthersMayWriteIsPrivate) {
  Files& files = subject().files();
  const std::string folder = subject().existingFolder();
  if (!subject().share(folder)) GTEST_SKIP() << "a shared folder cannot be arranged here";
  EXPECT_FALSE(files.isPrivatePath(subject().existingFile()));
  EXPECT_FALSE(files.isPrivatePath(subject().absentPathIn(folder)));
}

TEST_P(FilesContract, TheExecutableIsAnExistingFileInItsFolder) {
  Files& files = subject().files();
  const std::string executable = files.executablePath();
  ASSERT_FALSE(executable.empty());
  EXPECT_TRUE(files.fileExists(executable)) << executable;
  const std::string folder = files.executableFolder();
  EXPECT_FALSE(endsWithSeparator(folder) && std::filesystem::path(folder).has_relative_path()) << folder;
  EXPECT_EQ(std::filesystem::path(executable).parent_path(), std::filesystem::path(folder));
}

TEST_P(FilesContract, TheProgramsFoldersAreFullPathsWithoutATrailingSeparator) {
  Files& files = subject().files();
  for (const std::string& folder : {files.windowsDirectory(), files.configDirectory()}) {
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(std::filesystem::path(folder).has_root_directory()) << folder;
    EXPECT_FALSE(endsWithSeparator(folder)) << folder;
  }
}

}  // namespace
}  // namespace lumaro::platform::contract
