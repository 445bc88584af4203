#include "app/program/command_line.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace lumaro::app {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

using Request = platform::RestoreChannel::Request;

struct Answer {
  std::optional<int> exitCode;
  std::string out, err;
  // What the running copy was asked.
  std::vector<Request> sent;
};

Answer answer(const std::vector<std::string>& arguments, bool toolkitOptionsPending = true,
              bool copyRuns = true) {
  std::ostringstream out, err;
  Answer result;
  result.exitCode = answerCommandLine(arguments, toolkitOptionsPending, out, err, [&](Request request) {
    result.sent.push_back(request);
    return copyRuns;
  });
  result.out = out.str();
  result.err = err.str();
  return result;
}

TEST(CommandLineTest, NoArgumentsRunsTheProgramSilently) {
  const Answer a = answer({});
  EXPECT_EQ(a.exitCode, std::nullopt);
  EXPECT_EQ(a.out + a.err, "");
  EXPECT_TRUE(a.sent.empty());
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

TEST(CommandLineTest, OptimizeAndShowAskTheRunningCopyOnceAndEndWithZero) {
  const Answer optimize = answer({"--optimize"});
  EXPECT_EQ(optimize.exitCode, 0);
  EXPECT_EQ(optimize.sent, std::vector{Request::Optimize});
  EXPECT_EQ(optimize.out + optimize.err, "");

  // Also once the toolkit has taken its options, and behind one of them.
  const Answer show = answer({"-platform", "offscreen", "--show"}, true);
  EXPECT_EQ(show.exitCode, 0);
  EXPECT_EQ(show.sent, std::vector{Request::Restore});
  EXPECT_EQ(answer({"--show"}, false).sent, std::vector{Request::Restore});

  // The first request decides; the help asks nobody.
  EXPECT_EQ(answer({"--show", "--optimize"}).sent, std::vector{Request::Restore});
  EXPECT_TRUE(answer({"--help", "--optimize"}).sent.empty());
}

TEST(CommandLineTest, WithoutARunningCopyACommandSaysSoInOneLineAndEndsWithOne) {
  for (const char* command : {"--optimize", "--show"}) {
    const Answer a = answer({command}, true, false);
    EXPECT_EQ(a.exitCode, 1) << command;
    EXPECT_EQ(a.out, "");
    EXPECT_THAT(a.err, StartsWith("lumaro: no running copy"));
    EXPECT_EQ(std::count(a.err.begin(), a.err.end(), '\n'), 1);
  }
}

TEST(CommandLineTest, OnlyTheCommandsAreForTheRunningCopy) {
  std::ostringstream err;
  int asked = 0;
  const auto send = [&](Request) { return ++asked > 0; };
  for (const CommandLineRequest request : {CommandLineRequest::Run, CommandLineRequest::PrintHelp,
                                           CommandLineRequest::PrintVersion, CommandLineRequest::UsageError})
    EXPECT_EQ(askRunningCopy(request, send, err), std::nullopt);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(askRunningCopy(CommandLineRequest::Show, send, err), 0);
  EXPECT_EQ(asked, 1);
  // The usage names both.
  EXPECT_THAT(usageText(), HasSubstr("--optimize"));
  EXPECT_THAT(usageText(), HasSubstr("--show"));
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
