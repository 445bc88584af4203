#include "backends/linux/system/process_launcher.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "backends/linux/system/command_line.h"
#include "backends/linux/system/temp_dir.h"

namespace lumaro::platform::linuxos {
namespace {

using ::testing::ElementsAre;
using testing::TempDir;

std::string contentOf(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(CommandLine, QuotesGroupBlanksAndAreRemoved) {
  EXPECT_THAT(commandLineArguments("\"/home/a b/windows/tuneup.exe\""),
              ElementsAre("/home/a b/windows/tuneup.exe"));
  EXPECT_THAT(commandLineArguments("  \"/a b/x\"-v\t\"\" c\\d  "), ElementsAre("/a b/x-v", "", "c\\d"));
  EXPECT_THAT(commandLineArguments("   "), ElementsAre());
}

class PosixProcessLauncherTest : public ::testing::Test {
 protected:
  PosixProcessLauncherTest() { std::filesystem::create_directories(folder); }

  void writeProgram(const std::string& body) {
    std::ofstream(program) << "#!/bin/sh\n" << body;
    ::chmod(program.c_str(), 0755);
  }

  TempDir dir;
  // A folder with a blank in its name, as "Program Files" has.
  std::string folder = dir.path() + "/Windows dir";
  std::string program = folder + "/tuneup.exe";
  PosixProcessLauncher launcher;
};

TEST_F(PosixProcessLauncherTest, RunsTheQuotedProgramInItsFolderAndWaitsForItsEnd) {
  // An open file of the caller, which the program must not get.
  const int inherited = ::open(folder.c_str(), O_RDONLY);
  ASSERT_GE(inherited, 0);
  const std::string fd = std::to_string(inherited);
  writeProgram("sleep 0.3\n{ pwd; echo \"$#\"; [ -e /proc/$$/fd/" + fd +
               " ] && echo open || echo closed; } >ran\n");

  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(launcher.runAndWait('"' + program + '"', folder + '/', 5));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
  ::close(inherited);
  EXPECT_EQ(contentOf(folder + "/ran"), folder + "\n0\nclosed\n");
}

TEST_F(PosixProcessLauncherTest, AProgramThatCannotStartIsReportedWithoutWaiting) {
  writeProgram("touch ran\n");
  EXPECT_FALSE(launcher.runAndWait('"' + folder + "/absent.exe\"", folder + '/', 5));
  EXPECT_FALSE(launcher.runAndWait("", folder + '/', 5));
  ::chmod(program.c_str(), 0644);  // not executable, even for root
  EXPECT_FALSE(launcher.runAndWait('"' + program + '"', folder + '/', 5));
  EXPECT_FALSE(std::filesystem::exists(folder + "/ran"));
}

}  // namespace
}  // namespace lumaro::platform::linuxos
