// What the README promises about the tray, a second start and the commands to the running copy, against the
// program over the fake platform: each test holds the README's sentence and what the program does to it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "app/program/command_line.h"
#include "app/program/program.h"
#include "backends/fake/fake_services.h"

namespace lumaro::app {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Pair;

constexpr std::uint64_t kMiB = 1024 * 1024;

// The README with its lines joined, so that a sentence may break anywhere.
std::string readme() {
  std::ifstream file(LUMARO_FIXTURES "/../../README.md", std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  std::string joined;
  bool blank = false;
  for (const char c : text.str()) {
    const bool space = c == ' ' || c == '\n' || c == '\r';
    if (!space || !blank) joined.push_back(space ? ' ' : c);
    blank = space;
  }
  return joined;
}

class ReadmePromises : public ::testing::Test {
 protected:
  ReadmePromises() {
    fakes.memory.setStatus({.memoryLoad = 40, .totalPhysical = 512 * kMiB, .availablePhysical = 300 * kMiB});
    fakes.processor.queue({0}, 0);
  }

  platform::fake::FakeServices fakes;
  platform::Services services = fakes.services();
  Program program{services};
  std::string text = readme();
};

TEST_F(ReadmePromises, ASecondStartShowsTheMessageThenBringsUpTheRunningCopysWindow) {
  ASSERT_THAT(text, HasSubstr("## The tray"));  // the README was read
  EXPECT_THAT(text, HasSubstr(std::string("a second start (the desktop's menu entry too) shows \"") +
                              kAlreadyRunning +
                              "\" and, once that message is closed, brings up the running copy's window"));
  fakes.instanceGuard.heldElsewhere.insert("LUMARO2");
  EXPECT_EQ(program.start(), 0);
  EXPECT_THAT(fakes.messageBox.shown, ElementsAre(Pair("Lumaro", kAlreadyRunning)));
  EXPECT_THAT(fakes.restoreChannel.sent,
              ElementsAre(Pair("LUMARO2", platform::RestoreChannel::Request::Restore)));
}

TEST_F(ReadmePromises, TheCommandsAskTheRunningCopyAndEndWithOneWhenNoneRuns) {
  using Request = platform::RestoreChannel::Request;
  EXPECT_THAT(text,
              HasSubstr("`lumaro --optimize` asks the running copy to optimize to its target, as the hotkey "
                        "does, and `lumaro --show` asks it to show its window"));
  EXPECT_THAT(
      text, HasSubstr("each ends with exit code 0, or 1 with one line on standard error when no copy runs"));
  EXPECT_THAT(text, HasSubstr("in the desktop's own shortcut settings"));
  EXPECT_THAT(text, HasSubstr("`bindsym $mod+m exec lumaro --optimize`"));

  std::ostringstream out, err;
  const auto toNobody = [](Request) { return false; };
  EXPECT_EQ(answerCommandLine({"--optimize"}, true, out, err, toNobody), 1);
  const std::string line = err.str();
  EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);

  // A running copy: the optimize command runs to the target, the show command brings up the window.
  ASSERT_EQ(program.start(), std::nullopt);
  const auto toTheCopy = [&](Request request) { return fakes.restoreChannel.send("LUMARO2", request); };
  EXPECT_EQ(answerCommandLine({"--optimize"}, true, out, err, toTheCopy), 0);
  EXPECT_FALSE(fakes.memory.commits().empty());
  EXPECT_FALSE(program.mainWindow().visible());
  EXPECT_EQ(answerCommandLine({"--show"}, true, out, err, toTheCopy), 0);
  EXPECT_TRUE(program.mainWindow().visible());
}

TEST_F(ReadmePromises, TheTrayIconsHaveNoTooltip) {
  ASSERT_THAT(text, HasSubstr("## The tray"));
  EXPECT_THAT(text, HasSubstr("The tray icons have no tooltip."));
  ASSERT_EQ(program.start(), std::nullopt);
  TfrmPrincipal& w = program.mainWindow();
  fakes.loop.advance(500);  // a monitoring tick puts the figure in the tray
  w.TrkBarLiberar->setPosition(w.TrkBarLiberar->max());
  std::vector<std::string> tips;
  w.MM->OnProgress = [&, handler = w.MM->OnProgress.handler()](toolkit::Component& sender, int p) {
    for (const auto& [id, shown] : fakes.tray.icons) tips.push_back(shown.tip);  // the animation's too
    handler(sender, p);
  };
  w.btnDefrag->click();
  for (const auto& [id, shown] : fakes.tray.icons) tips.push_back(shown.tip);
  EXPECT_FALSE(tips.empty());
  for (const std::string& tip : tips) EXPECT_EQ(tip, "");
}

}  // namespace
}  // namespace lumaro::app
