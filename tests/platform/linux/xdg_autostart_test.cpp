#include "platform/linux/xdg_autostart.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/linux/desktop_entry.h"
#include "platform/linux/scoped_env.h"
#include "platform/linux/temp_dir.h"

namespace lumaro::platform::linuxos {
namespace {

using testing::ScopedEnv;
using testing::TempDir;
using Result = Autostart::Result;

std::string contentOf(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// desktop-file-validate, when installed, has the last word on the format.
void expectValid(const std::string& path) {
  if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0) {
    GTEST_LOG_(INFO) << "desktop-file-validate is not installed; the format check is skipped";
    return;
  }
  EXPECT_EQ(std::system(("desktop-file-validate '" + path + "'").c_str()), 0) << contentOf(path);
}

class XdgAutostartTest : public ::testing::Test {
 protected:
  std::string entry() const { return dir.path() + "/autostart/lumaro.desktop"; }

  TempDir dir;
  ScopedEnv config{"XDG_CONFIG_HOME", dir.path()};
  XdgAutostart autostart;
};

TEST_F(XdgAutostartTest, AnEnabledEntryStartsTheExecutable) {
  EXPECT_EQ(autostart.folder(), dir.path() + "/autostart");
  ASSERT_EQ(autostart.writeEntry("Lumaro", "/opt/lumaro/lumaro"), Result::Written);
  EXPECT_EQ(contentOf(entry()),
            "[Desktop Entry]\nType=Application\nName=Lumaro\nExec=/opt/lumaro/lumaro\nTerminal=false\n");
  expectValid(entry());
}

TEST_F(XdgAutostartTest, ADisabledEntryStaysWithAnEmptyExecAndHidden) {
  ASSERT_EQ(autostart.writeEntry("Lumaro", "/opt/lumaro/lumaro"), Result::Written);
  ASSERT_EQ(autostart.writeEntry("Lumaro", ""), Result::Written);
  EXPECT_EQ(contentOf(entry()),
            "[Desktop Entry]\nType=Application\nName=Lumaro\nExec=\nTerminal=false\nHidden=true\n");
  expectValid(entry());
}

TEST_F(XdgAutostartTest, PathsWithReservedCharactersAreQuotedAndEscaped) {
  EXPECT_EQ(execValue("/home/ana/my apps/lumaro"), "\"/home/ana/my apps/lumaro\"");
  // Quoting escapes $ " ` \ with a backslash, a percent sign is doubled, then the string escapes
  // double every backslash.
  EXPECT_EQ(execValue("/a b/$x\"y\\z`%"), "\"/a b/\\\\$x\\\\\"y\\\\\\\\z\\\\`%%\"");
  EXPECT_EQ(execValue("/opt/100%/lumaro"), "/opt/100%%/lumaro");
  EXPECT_EQ(execValue("/new\nline"), "\"/new\\nline\"");
  ASSERT_EQ(autostart.writeEntry("Lumaro", "/a b/$x\"y\\z`%"), Result::Written);
  expectValid(entry());
}

TEST_F(XdgAutostartTest, FailuresTellTheFolderFromTheEntry) {
  std::filesystem::create_directories(entry());  // a folder where the entry should be
  EXPECT_EQ(autostart.writeEntry("Lumaro", "/opt/lumaro/lumaro"), Result::EntryFailed);

  dir.write("not-a-folder", "");
  const ScopedEnv file("XDG_CONFIG_HOME", dir.path() + "/not-a-folder");
  EXPECT_EQ(autostart.writeEntry("Lumaro", "/opt/lumaro/lumaro"), Result::FolderFailed);
}

}  // namespace
}  // namespace lumaro::platform::linuxos
