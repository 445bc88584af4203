#include "backends/win32/system/files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "backends/win32/system/system_info.h"
#include "backends/win32/system/temp_folder.h"

namespace lumaro::platform::win32 {
namespace {

TEST(Win32Files, PathsComeInTheSystemsOwnForm) {
  Win32Files files;
  const std::string exe = files.executablePath();
  ASSERT_GE(exe.size(), 4u);
  EXPECT_EQ(exe.substr(exe.size() - 4), ".exe");
  EXPECT_EQ(exe[1], ':');
  EXPECT_TRUE(files.fileExists(exe));
  // The folder is split at the system's separator.
  EXPECT_EQ(files.executableFolder(), exe.substr(0, exe.rfind('\\')));
  EXPECT_FALSE(files.fileExists(files.executableFolder()));
  EXPECT_FALSE(files.fileExists(exe + ".missing"));

  const std::string windows = files.windowsDirectory();
  EXPECT_EQ(windows.substr(1, 2), ":\\");
  EXPECT_NE(windows.back(), '\\');
  EXPECT_TRUE(files.fileExists(windows + "\\system.ini") || files.fileExists(windows + "\\win.ini"));
  EXPECT_EQ(files.configDirectory().substr(files.configDirectory().size() - 7), "\\Lumaro");
}

TEST(Win32Files, TheWindowsDirectoryCanBeMovedForTests) {
  testing::TempFolder temp;
  ::SetEnvironmentVariableW(L"LUMARO_WINDOWS_DIR", (temp.folder().wstring() + L"\\\\").c_str());
  EXPECT_EQ(Win32Files().windowsDirectory(), temp.path());
  ::SetEnvironmentVariableW(L"LUMARO_WINDOWS_DIR", nullptr);
}

TEST(Win32Files, TrailingSeparatorsGoButADrivesRootKeepsItsOwn) {
  EXPECT_EQ(withoutTrailingSeparators("C:\\Windows\\\\"), "C:\\Windows");
  EXPECT_EQ(withoutTrailingSeparators("D:/games/"), "D:/games");
  EXPECT_EQ(withoutTrailingSeparators("C:\\"), "C:\\");
  EXPECT_EQ(withoutTrailingSeparators("\\"), "\\");
}

TEST(Win32SystemInfo, IsTheNtFamilyWithADecimalSeparator) {
  Win32SystemInfo info;
  EXPECT_EQ(info.platformFamily(), kFamilyNt);
  EXPECT_FALSE(info.decimalSeparator().empty());
}

}  // namespace
}  // namespace lumaro::platform::win32
