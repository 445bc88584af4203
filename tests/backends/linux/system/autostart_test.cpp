#include "backends/linux/system/autostart.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "backends/linux/system/desktop_entry.h"
#include "backends/linux/system/scoped_env.h"
#include "backends/linux/system/temp_dir.h"

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
  EXPECT_EQ(
      contentOf(entry()),
      "[Desktop Entry]\nType=Application\nName=Lumaro\nExec=/opt/lumaro/lumaro\nTryExec=/opt/lumaro/lumaro\n"
      "Terminal=false\n");
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
  // Quoting escapes $ " ` \ with a backslash, then the string escapes double every backslash.
  EXPECT_EQ(execValue("/a b/$x\"y\\z`"), R"("/a b/\\$x\\"y\\\\z\\`")");
  EXPECT_EQ(execValue("/new\nline"), "\"/new\\nline\"");
}

TEST_F(XdgAutostartTest, APathWithAPercentSignIsDoubledAndStartedThroughTheShell) {
  EXPECT_EQ(execValue("/opt/100%/lumaro"), R"(/bin/sh -c "exec \\"\\$0\\"" /opt/100%%/lumaro)");
  EXPECT_EQ(execValue("/opt/100% sure/lumaro"), R"(/bin/sh -c "exec \\"\\$0\\"" "/opt/100%% sure/lumaro")");
}

// How desktops built on GLib start the entries (each quoted for the shell): 0 when every program ended
// with 0, 77 when GLib's Python bindings are not installed.
int launchedByGLib(const std::string& entries) {
  const int status = std::system(("/usr/bin/python3 '" LUMARO_GLIB_LAUNCH "'" + entries).c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(XdgAutostartTest, DesktopsBuiltOnGLibStartTheProgramWhateverItsPathHolds) {
  const std::vector<std::string> folders = {"my apps",           "100%",           "50% off", "%u",
                                            "say \"hi\"",        "back\\slash",    "$HOME",   "`id`",
                                            "it's ~#;&|*?()<>=", "tab\tand\nline", "ação"};
  std::string entries;
  for (std::size_t i = 0; i < folders.size(); ++i) {
    const std::string program = dir.path() + '/' + folders[i] + "/lumaro";
    std::filesystem::create_directory(dir.path() + '/' + folders[i]);
    std::ofstream(program) << "#!/bin/sh\nprintf '%s' \"$0\" >'" << dir.path() << "/started-" << i << "'\n";
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    ASSERT_EQ(autostart.writeEntry("Lumaro", program), Result::Written);
    expectValid(entry());
    const std::string copy = dir.path() + "/entry-" + std::to_string(i) + ".desktop";
    std::filesystem::copy_file(entry(), copy);
    entries += " '" + copy + "'";
  }
  const int launched = launchedByGLib(entries);
  if (launched == 77) GTEST_SKIP() << "GLib's Python bindings are not installed";
  EXPECT_EQ(launched, 0);
  for (std::size_t i = 0; i < folders.size(); ++i)
    EXPECT_EQ(contentOf(dir.path() + "/started-" + std::to_string(i)),
              dir.path() + '/' + folders[i] + "/lumaro");
}

// TryExec holds the plain path, whatever Exec needs: the shell's detour for "%", quotes for blanks.
TEST_F(XdgAutostartTest, TryExecNamesTheProgramWithOnlyTheStringEscapes) {
  ASSERT_EQ(autostart.writeEntry("Lumaro", "/opt/100% sure/back\\slash\nline/lumaro"), Result::Written);
  EXPECT_NE(contentOf(entry()).find("\nTryExec=/opt/100% sure/back\\\\slash\\nline/lumaro\n"),
            std::string::npos)
      << contentOf(entry());
  expectValid(entry());
}

// After an uninstall the entry stays in the user's folder: the login must not try to start it.
TEST_F(XdgAutostartTest, DesktopsBuiltOnGLibSkipTheEntryOfARemovedProgram) {
  const std::string program = dir.path() + "/100% sure/lumaro";
  std::filesystem::create_directory(dir.path() + "/100% sure");
  std::ofstream(program) << "#!/bin/sh\ntouch '" << dir.path() << "/started'\n";
  std::filesystem::permissions(program, std::filesystem::perms::owner_all);
  ASSERT_EQ(autostart.writeEntry("Lumaro", program), Result::Written);
  const int launched = launchedByGLib(" '" + entry() + "'");
  if (launched == 77) GTEST_SKIP() << "GLib's Python bindings are not installed";
  ASSERT_EQ(launched, 0);
  ASSERT_TRUE(std::filesystem::exists(dir.path() + "/started"));

  std::filesystem::remove(dir.path() + "/started");
  std::filesystem::remove(program);
  EXPECT_EQ(launchedByGLib(" '" + entry() + "'"), 1);  // refused, not started
  EXPECT_FALSE(std::filesystem::exists(dir.path() + "/started"));
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
