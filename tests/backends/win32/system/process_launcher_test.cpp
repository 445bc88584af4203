#include "backends/win32/system/process_launcher.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "backends/win32/system/files.h"
#include "backends/win32/system/temp_folder.h"

namespace lumaro::platform::win32 {
namespace {

std::string commandProcessor() {
  return '"' + Win32Files().windowsDirectory() + "\\system32\\cmd.exe\"";
}

TEST(Win32ProcessLauncher, RunsInTheGivenFolderOrOursWhenEmptyAndWaitsForTheEnd) {
  testing::TempFolder temp;
  Win32ProcessLauncher launcher;
  // The file exists as soon as the call returns: it waited.
  ASSERT_TRUE(launcher.runAndWait(commandProcessor() + " /c echo x> made.txt", temp.path(), SW_HIDE));
  EXPECT_TRUE(std::filesystem::exists(temp.folder() / L"made.txt"));

  // An empty folder is our own current one (CreateProcessW alone would refuse it).
  const std::filesystem::path ours = std::filesystem::current_path();
  std::filesystem::current_path(temp.folder());
  const bool ran = launcher.runAndWait(commandProcessor() + " /c echo y> here.txt", "", SW_HIDE);
  std::filesystem::current_path(ours);
  EXPECT_TRUE(ran);
  EXPECT_TRUE(std::filesystem::exists(temp.folder() / L"here.txt"));
}

TEST(Win32ProcessLauncher, AProgramThatIsNotThereIsNotStarted) {
  testing::TempFolder temp;
  Win32ProcessLauncher launcher;
  EXPECT_FALSE(launcher.runAndWait('"' + temp.path(L"tuneup.exe") + '"', "", SW_SHOWNORMAL));
  EXPECT_FALSE(launcher.runAndWait(commandProcessor(), temp.path(L"missing folder"), SW_SHOWNORMAL));
}

}  // namespace
}  // namespace lumaro::platform::win32
