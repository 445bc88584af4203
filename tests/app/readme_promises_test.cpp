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
#include "native_path.h"

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

TEST_F(ReadmePromises, TheTooltipGivesTheMegabytesAndARunKeepsTheOneEntry) {
  ASSERT_THAT(text, HasSubstr("## The tray"));
  EXPECT_THAT(
      text,
      HasSubstr("The tray icon's tooltip gives the free memory in megabytes (\"Lumaro: 23608 MB livres\")"));
  EXPECT_THAT(text, HasSubstr("An optimization run keeps the one tray entry"));
  fakes.memory.setStatus(
      {.memoryLoad = 40, .totalPhysical = 32768 * kMiB, .availablePhysical = 23608 * kMiB});
  ASSERT_EQ(program.start(), std::nullopt);
  TfrmPrincipal& w = program.mainWindow();
  fakes.loop.advance(500);  // a monitoring tick puts the figure in the tray
  ASSERT_EQ(fakes.tray.icons.size(), 1u);
  EXPECT_EQ(fakes.tray.icons.begin()->second.tip, "Lumaro: 23608 MB livres");
  EXPECT_EQ(w.TrayIcon->Text(), "23G");

  fakes.memory.setStatus({.memoryLoad = 40, .totalPhysical = 512 * kMiB, .availablePhysical = 300 * kMiB});
  fakes.loop.advance(500);
  w.TrkBarLiberar->setPosition(w.TrkBarLiberar->max());
  std::vector<std::size_t> entries;
  w.MM->OnProgress = [&, handler = w.MM->OnProgress.handler()](toolkit::Component& sender, int p) {
    entries.push_back(fakes.tray.icons.size());
    handler(sender, p);
  };
  fakes.tray.operations.clear();
  w.btnDefrag->click();
  EXPECT_FALSE(entries.empty());
  for (std::size_t count : entries) EXPECT_EQ(count, 1u);
  for (const std::string& operation : fakes.tray.operations) EXPECT_EQ(operation, "modify 1");
  EXPECT_EQ(fakes.tray.icons.begin()->second.tip, "Lumaro: 300 MB livres");
}

TEST_F(ReadmePromises, FourDigitFiguresTakeTheNarrowFontInTwoLines) {
  ASSERT_THAT(text, HasSubstr("## The tray"));
  EXPECT_THAT(text,
              HasSubstr("are drawn in a narrow pixel font of Lumaro's own, four characters in two lines"));
  fakes.memory.setStatus({.memoryLoad = 40, .totalPhysical = 8192 * kMiB, .availablePhysical = 5234 * kMiB});
  ASSERT_EQ(program.start(), std::nullopt);
  fakes.loop.advance(500);
  const platform::TrayImage& shown = fakes.tray.icons.begin()->second.image;
  const auto row = [&](int y) {
    std::string out;
    for (int x = 0; x < 16; ++x)
      out += shown.argb[static_cast<std::size_t>(y) * 16 + x] == 0xFF000000u ? '#' : '.';
    return out;
  };
  // "52" over "34" on the white face, a clear row between them.
  EXPECT_EQ(row(2).substr(5, 7), "###.###");
  EXPECT_EQ(row(3).substr(5, 7), "..#.#..");
  EXPECT_EQ(row(5).substr(2, 13), std::string(13, '.'));
  EXPECT_EQ(row(7).substr(5, 7), "..#.#.#");
}

// The key code a start registers with `stored` as the hotkey's text in the settings file, under a
// layout that gives these names to the key right of L and to the keypad's plus; 0 when none.
std::uint32_t keyHeldAfterStartWith(const std::string& stored) {
  platform::fake::FakeServices fakes;
  fakes.memory.setStatus({.memoryLoad = 40, .totalPhysical = 512 * kMiB, .availablePhysical = 300 * kMiB});
  fakes.processor.queue({0}, 0);
  fakes.hotkeys.layoutNames[186] = {"Ç", "ccedilla"};
  fakes.hotkeys.layoutNames[107] = {"KP_Add"};
  fakes.fileStore.files[lumaro::testing::nativePath("/opt/lumaro/Lumaro.ini")] =
      "[TfrmPrincipal]\r\ncbHotKey_Text=" + stored + "\r\n";
  platform::Services services = fakes.services();
  Program program{services};
  EXPECT_EQ(program.start(), std::nullopt);
  if (fakes.hotkeys.held.size() != 1) return 0;
  const auto [modifiers, key] = fakes.hotkeys.held.begin()->second.combination;
  EXPECT_EQ(modifiers, platform::kModControl | platform::kModAlt);
  return key;
}

TEST_F(ReadmePromises, KeysOutsideTheFixedTableAreNamedByTheirCharacterInEitherCaseOrByTheirSymbol) {
  ASSERT_THAT(text, HasSubstr("## The tray"));
  EXPECT_THAT(text,
              HasSubstr("Key names outside the fixed table are the character the active keyboard layout "
                        "shows on the key, in either case (\"Ctrl+Alt+Ç\" or \"ctrl+alt+ç\" on a "
                        "Brazilian keyboard), and the X key symbol name for a key without one "
                        "(\"Ctrl+Alt+KP_Add\", \"Ctrl+Alt+Pause\"); texts naming the symbol "
                        "(\"Ctrl+Alt+ccedilla\") work as well."));
  // The settings file is Windows-1252: 0xC7 is "Ç", 0xE7 "ç".
  EXPECT_EQ(keyHeldAfterStartWith("Ctrl+Alt+\xC7"), 186u);
  EXPECT_EQ(keyHeldAfterStartWith("ctrl+alt+\xE7"), 186u);
  EXPECT_EQ(keyHeldAfterStartWith("Ctrl+Alt+ccedilla"), 186u);
  EXPECT_EQ(keyHeldAfterStartWith("Ctrl+Alt+KP_Add"), 107u);
}

}  // namespace
}  // namespace lumaro::app
