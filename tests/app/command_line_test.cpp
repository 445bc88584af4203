#include "app/program/command_line.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

namespace lumaro::app {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

struct Answer {
  std::optional<int> exitCode;
  std::string out, err;
};

Answer answer(const std::vector<std::string>& arguments, bool toolkitOptionsPending = true) {
  std::ostringstream out, err;
  Answer result;
  result.exitCode = answerCommandLine(arguments, toolkitOptionsPending, out, err);
  result.out = out.str();
  result.err = err.str();
  return result;
}

TEST(CommandLineTest, NoArgumentsRunsTheProgramSilently) {
  const Answer a = answer({});
  EXPECT_EQ(a.exitCode, std::nullopt);
  EXPECT_EQ(a.out + a.err, "");
}

TEST(CommandLineTest, VersionAndHelpGoToStandardOutputWithExitCodeZero) {
  const Answer version = answer({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_THAT(version.out, StartsWith("Lumaro "));
  EXPECT_EQ(version.err, "");

  for (const char* option : {"--help", "-h"}) {
    const Answer help = answer({option});
    EXPECT_EQ(help.exitCode, 0) << option;
    EXPECT_THAT(help.out, StartsWith("Usage: lumaro"));
    EXPECT_THAT(help.out, HasSubstr("Lumaro.ini"));
    EXPECT_THAT(help.out, HasSubstr("LUMARO_WINDOWS_DIR"));
    EXPECT_EQ(help.err, "");
  }
}

TEST(CommandLineTest, UnknownArgumentsGiveTheUsageOnStandardErrorWithExitCodeTwo) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"--bogus"}, {"file.txt"}, {"--versions"}, {"--"}}) {
    const Answer a = answer(arguments);
    EXPECT_EQ(a.exitCode, 2) << arguments[0];
    EXPECT_EQ(a.out, "");
    EXPECT_THAT(a.err, StartsWith("Usage: lumaro"));
  }
}

TEST(CommandLineTest, ToolkitOptionsAreLeftToTheToolkitUntilItHasTakenThem) {
  EXPECT_EQ(readCommandLine({"-platform", "offscreen"}, true), CommandLineRequest::Run);
  EXPECT_EQ(readCommandLine({"-reverse", "--bogus"}, true), CommandLineRequest::UsageError);
  // What the toolkit did not take is unknown to it too.
  EXPECT_EQ(readCommandLine({"-platform", "offscreen"}, false), CommandLineRequest::UsageError);
  // The request that comes first decides, even behind a toolkit option.
  EXPECT_EQ(readCommandLine({"-display", ":1", "--version", "--help"}, true),
            CommandLineRequest::PrintVersion);
  EXPECT_EQ(readCommandLine({"--bogus", "--help"}, true), CommandLineRequest::PrintHelp);
}

// An unknown single-dash option is answered before the toolkit starts (and before it would look for a
// display), while the toolkit's own options keep their values in either form.
TEST(CommandLineTest, OnlyTheToolkitsOwnSingleDashOptionsAreLeftToIt) {
  EXPECT_EQ(readCommandLine({"-x"}, true), CommandLineRequest::UsageError);
  EXPECT_EQ(readCommandLine({"-platformx", "offscreen"}, true), CommandLineRequest::UsageError);
  EXPECT_EQ(readCommandLine({"-platform=offscreen", "notes.txt"}, true), CommandLineRequest::UsageError);
  EXPECT_EQ(readCommandLine({"-platform=offscreen", "-reverse", "-style", "-fusion"}, true),
            CommandLineRequest::Run);
  EXPECT_EQ(readCommandLine({"-sync", "notes.txt"}, true), CommandLineRequest::UsageError);
}

}  // namespace
}  // namespace lumaro::app
