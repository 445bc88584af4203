#include "settings/settings_location.h"

#include <gtest/gtest.h>

#include "backends/fake/fake_file_store.h"
#include "backends/fake/fake_system.h"
#include "native_path.h"

namespace lumaro::settings {
namespace {

using lumaro::testing::nativePath;

TEST(SettingsLocation, BesideTheExecutableWhenThatFolderIsWritableElseInTheUsersFolder) {
  platform::fake::FakeFiles files;
  platform::fake::FakeFileStore store;
  EXPECT_EQ(settingsFilePath(files, store), nativePath("/opt/lumaro/Lumaro.ini"));

  store.readOnlyFolders.insert(nativePath("/opt/lumaro"));
  EXPECT_EQ(settingsFilePath(files, store), nativePath("/home/user/.config/lumaro/Lumaro.ini"));

  files.executable = "/lumaro";
  EXPECT_EQ(settingsFilePath(files, store), nativePath("/Lumaro.ini"));
  files.executable.clear();  // the executable's path is unknown
  EXPECT_EQ(settingsFilePath(files, store), nativePath("/home/user/.config/lumaro/Lumaro.ini"));
}

TEST(SettingsLocation, AFolderOrSettingsFileThatIsNotTheUsersAloneSendsTheSettingsToTheUsersFolder) {
  platform::fake::FakeFiles files;
  platform::fake::FakeFileStore store;
  files.shared.insert(nativePath("/opt/lumaro"));  // another user's, or one others may write
  EXPECT_EQ(settingsFilePath(files, store), nativePath("/home/user/.config/lumaro/Lumaro.ini"));

  files.shared = {nativePath("/opt/lumaro/Lumaro.ini")};  // planted by another user
  EXPECT_EQ(settingsFilePath(files, store), nativePath("/home/user/.config/lumaro/Lumaro.ini"));
  files.shared.clear();
  EXPECT_EQ(settingsFilePath(files, store), nativePath("/opt/lumaro/Lumaro.ini"));
}

TEST(SettingsLocation, AnInstalledProgramKeepsItsSettingsInTheUsersFolderEvenWhereItMayWrite) {
  platform::fake::FakeFiles files;
  platform::fake::FakeFileStore store;
  files.executable = "/usr/bin/lumaro";
  EXPECT_EQ(settingsFilePath(files, store),
            nativePath("/usr/bin/Lumaro.ini"));  // a copy someone put there by hand
  files.existing.insert(nativePath("/usr/share/applications/lumaro.desktop"));
  EXPECT_EQ(settingsFilePath(files, store), nativePath("/home/user/.config/lumaro/Lumaro.ini"));
}

TEST(SettingsLocation, TheExecutablesFolder) {
  platform::fake::FakeFiles files;
  EXPECT_EQ(files.executableFolder(), nativePath("/opt/lumaro"));
  files.executable = "/lumaro";
  EXPECT_EQ(files.executableFolder(), nativePath("/"));
  files.executable = "/opt/lumaro dev/bin/lumaro";
  EXPECT_EQ(files.executableFolder(), nativePath("/opt/lumaro dev/bin"));
  files.executable.clear();
  EXPECT_EQ(files.executableFolder(), "");
}

TEST(SettingsLocation, ADrivePathKeepsTheSettingsBesideTheExecutable) {
  platform::fake::FakeFiles files;
  platform::fake::FakeFileStore store;
  files.executable = nativePath("C:\\Usuários\\Ana\\Área de Trabalho\\Lumaro\\lumaro.exe");
  files.configDir = nativePath("C:\\Usuários\\Ana\\AppData\\Roaming\\Lumaro");
  EXPECT_EQ(settingsFilePath(files, store),
            nativePath("C:\\Usuários\\Ana\\Área de Trabalho\\Lumaro\\Lumaro.ini"));
  store.readOnlyFolders.insert(nativePath("C:\\Usuários\\Ana\\Área de Trabalho\\Lumaro"));
  EXPECT_EQ(settingsFilePath(files, store),
            nativePath("C:\\Usuários\\Ana\\AppData\\Roaming\\Lumaro\\Lumaro.ini"));
  files.executable = nativePath("C:\\lumaro.exe");
  EXPECT_EQ(settingsFilePath(files, store), nativePath("C:\\Lumaro.ini"));
}

}  // namespace
}  // namespace lumaro::settings
