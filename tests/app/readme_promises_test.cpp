// What the README promises about the tray and a second start, against the program over the fake
// platform: each test holds the README's sentence and what the program does to it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

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

TEST_F(ReadmePromises, ASecondStartOnlyShowsTheMessageAndEnds) {
  ASSERT_THAT(text, HasSubstr("## The tray"));  // the README was read
  EXPECT_THAT(text, HasSubstr(std::string("A second start does not bring its window back: it only shows \"") +
                              kAlreadyRunning + "\" and ends"));
  fakes.instanceGuard.heldElsewhere.insert("LUMARO2");
  EXPECT_EQ(program.start(), 0);
  EXPECT_THAT(fakes.messageBox.shown, ElementsAre(Pair("Lumaro", kAlreadyRunning)));
  EXPECT_TRUE(fakes.restoreChannel.sent.empty());  // the running copy is not asked for its window
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
