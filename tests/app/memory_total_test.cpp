// The machine's memory total arriving after a start on figures that could not be read, or changing
// while the program runs: every range, read-out and caption derived from it follows, and the memory
// sliders' stored positions are applied then and saved again. A narrower range only hides the user's
// positions: a wider one gives them back, and they are what is saved.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/program/program.h"
#include "backends/fake/fake_services.h"
#include "native_path.h"
#include "small_machine.h"

namespace lumaro::app {
namespace {

using ::testing::HasSubstr;

constexpr std::uint64_t kMiB = 1024 * 1024;
const std::string kIni = lumaro::testing::nativePath("/opt/lumaro/Lumaro.ini");

// A machine of `totalMegabytes` with `freeMegabytes` free and no page file.
platform::MemoryStatus machineOf(std::uint64_t totalMegabytes, std::uint64_t freeMegabytes = 300) {
  return {
      .memoryLoad = 40, .totalPhysical = totalMegabytes * kMiB, .availablePhysical = freeMegabytes * kMiB};
}

class MemoryTotalTest : public ::testing::Test {
 protected:
  MemoryTotalTest() { fakes.memory.setStatus({}); }

  TfrmPrincipal& started() {
    EXPECT_EQ(program.start(), std::nullopt);
    return program.mainWindow();
  }
  void stored(const std::string& lines) { fakes.fileStore.files[kIni] = "[TfrmPrincipal]\r\n" + lines; }
  const std::string& file() { return fakes.fileStore.files[kIni]; }
  void tick() {
    time_ += 1000;
    fakes.processor.queue({time_}, time_);
    fakes.loop.advance(500);
  }
  void endSession() {
    program.application().post([this] { program.endSession(); });
    EXPECT_EQ(program.run(), 0);
  }

  platform::fake::FakeServices fakes;
  platform::Services services = fakes.services();
  Program program{services};
  std::int64_t time_ = 0;
};

// Everything a total of 512 MB gives, with the target and critical sliders at these positions.
void expectDerivedFrom512(TfrmPrincipal& w, int target, int critical) {
  EXPECT_EQ(w.TotalMB(), 512);
  EXPECT_EQ(w.Otimizar10->caption, "Otimização rápida : 25MB");
  EXPECT_EQ(w.Otimizar30->caption, "Otimização rápida : 76MB");
  EXPECT_EQ(w.Otimizar60->caption, "Otimização rápida : 153MB");
  EXPECT_EQ(w.TrkBarMinCache->max(), 512);
  EXPECT_EQ(w.TrkBarMaxCache->max(), 512);
  EXPECT_EQ(w.txtMinCache2->caption(), "512");
  EXPECT_EQ(w.txtMaxCache2->caption(), "512");
  EXPECT_EQ(w.TrkBarLiberar->max(), 409);
  EXPECT_EQ(w.trkbarAutoLiberar->max(), 128);
  EXPECT_EQ(w.txtMemoriaAlvo->caption(), std::to_string(target));
  EXPECT_EQ(w.txtAutoRecover->caption(), std::to_string(critical));
  EXPECT_EQ(w.HeartMachine1->Max, 512);
  EXPECT_EQ(w.LEDDisplayMax->Value(), 512);
}

TEST_F(MemoryTotalTest, GoodFiguresAfterAGarbledStartGiveEveryRangeAndTheStoredPositions) {
  stored(
      "chkboxCache_Checked=True\r\nTrkBarLiberar_Position=100\r\ntrkbarAutoLiberar_Position=50\r\n"
      "TrkBarMaxCache_Position=900\r\nTrkBarMinCache_Position=200\r\n");
  TfrmPrincipal& w = started();
  for (int i = 0; i < 3; ++i) tick();
  ASSERT_EQ(fakes.loop.pauses().size(), 1u);  // the garbled figures, reported once
  EXPECT_EQ(w.TrkBarLiberar->max(), 0);
  EXPECT_EQ(w.Otimizar10->caption, "Otimização rápida : 0MB");

  fakes.memory.setStatus(test::smallMachineWithFree(300));
  for (int i = 0; i < 3; ++i) tick();
  EXPECT_EQ(fakes.loop.pauses().size(), 1u);  // the ticks pass again
  expectDerivedFrom512(w, 409 - 100, 128 - 50);
  EXPECT_EQ(w.TrkBarMaxCache->position(), 512);  // what this machine's range shows of the stored 900
  EXPECT_EQ(w.TrkBarMinCache->position(), 200);
  EXPECT_EQ(w.txtMaxCache->caption(), "512 M");
  EXPECT_EQ(w.txtMinCache->caption(), "200 M");
  EXPECT_EQ(w.HeartMachine1->values(0).back(), 78);
  EXPECT_EQ(w.HeartMachine1->values(1).back(), 309);
  EXPECT_EQ(w.HeartMachine1->values(2).back(), 300);
  EXPECT_EQ(w.LEDDisplay1->Value(), 300);
  EXPECT_FALSE(w.SystemConfigChanged);  // nothing the user did

  // The stored positions are saved again as they were, for a machine with the memory for them.
  endSession();
  EXPECT_THAT(file(), HasSubstr("TrkBarLiberar_Position=100\r\ntrkbarAutoLiberar_Position=50\r\n"));
  EXPECT_THAT(file(), HasSubstr("TrkBarMaxCache_Position=900\r\nTrkBarMinCache_Position=200\r\n"));
}

TEST_F(MemoryTotalTest, AFirstStartOnGarbledFiguresGetsTheFirstStartPositionsOnceTheyAreGood) {
  TfrmPrincipal& w = started();
  tick();
  fakes.memory.setStatus(test::smallMachineWithFree(300));
  tick();
  // Not a target of 80 % and a critical level of 25 % of the memory, which a range of 0 left behind.
  expectDerivedFrom512(w, 205, 1);
  endSession();
  EXPECT_THAT(file(), HasSubstr("TrkBarLiberar_Position=204\r\ntrkbarAutoLiberar_Position=127\r\n"));
}

TEST_F(MemoryTotalTest, CacheBarsSwitchedOffWhileTheFiguresWereGarbledStayAtZero) {
  stored(
      "chkboxCache_Checked=True\r\nTrkBarLiberar_Position=100\r\ntrkbarAutoLiberar_Position=50\r\n"
      "TrkBarMaxCache_Position=300\r\nTrkBarMinCache_Position=200\r\n");
  TfrmPrincipal& w = started();
  tick();
  w.chkboxCache->setChecked(false);  // the user's choice, made while the bars had no range
  fakes.memory.setStatus(test::smallMachineWithFree(300));
  tick();
  EXPECT_EQ(w.TrkBarMaxCache->position(), 0);
  EXPECT_EQ(w.TrkBarMinCache->position(), 0);
  EXPECT_EQ(w.txtMemoriaAlvo->caption(), "309");  // the others take theirs
  EXPECT_TRUE(w.SystemConfigChanged);             // and the user's change still counts
  endSession();
  EXPECT_THAT(file(), HasSubstr("TrkBarMaxCache_Position=0\r\nTrkBarMinCache_Position=0\r\n"));
}

TEST_F(MemoryTotalTest, AChangedTotalDerivesEverythingAgainAndKeepsThePositionsItCan) {
  stored("chkboxCache_Checked=True\r\nTrkBarMaxCache_Position=900\r\nTrkBarMinCache_Position=600\r\n");
  fakes.memory.setStatus(machineOf(1024));
  TfrmPrincipal& w = started();
  tick();
  EXPECT_EQ(w.LEDDisplayMax->NumDigits(), 4);
  ASSERT_EQ(w.TrkBarMaxCache->position(), 900);

  // Memory removed: sliders beyond the new ranges show their ends (the first start's target of 409 and
  // critical position of 255 here).
  fakes.memory.setStatus(machineOf(512));
  tick();
  expectDerivedFrom512(w, 0, 0);
  EXPECT_EQ(w.TrkBarMaxCache->position(), 512);
  EXPECT_EQ(w.TrkBarMinCache->position(), 512);
  EXPECT_EQ(w.txtMaxCache->caption(), "512 M");
  EXPECT_FALSE(w.SystemConfigChanged);
  EXPECT_EQ(w.HeartMachine1->values(2).back(), 300);

  // Memory added: the read-outs widen to its digits, the chart gives way, the positions the smaller
  // range hid come back.
  fakes.memory.setStatus(machineOf(65536));
  tick();
  EXPECT_EQ(w.TrkBarLiberar->max(), 52428);
  EXPECT_EQ(w.txtMemoriaAlvo->caption(), "52019");
  EXPECT_EQ(w.Otimizar10->caption, "Otimização rápida : 3276MB");
  EXPECT_EQ(w.HeartMachine1->Max, 65536);
  for (const widgets::TLEDDisplay* display : {w.LEDDisplayMax, w.LEDDisplay1, w.LEDDisplayMin}) {
    EXPECT_EQ(display->NumDigits(), 5) << display->name();
    EXPECT_EQ(display->bounds().width, 51) << display->name();
  }
  EXPECT_EQ(w.Panel1->bounds().left, 14 + 51 + 3);
  EXPECT_EQ(w.Panel1->bounds().left + w.Panel1->bounds().width, 289);
  EXPECT_EQ(w.HeartMachine1->bounds().width, w.Panel1->bounds().width - 2);
  EXPECT_EQ(w.TrkBarMaxCache->position(), 900);
  EXPECT_EQ(w.TrkBarMinCache->position(), 600);
  EXPECT_EQ(w.txtAutoRecover->caption(), std::to_string(16384 - 255));
  EXPECT_TRUE(fakes.loop.pauses().empty());
}

// A 1 GiB machine with the critical level at 1 MB and 100 MB free: no run is due.
constexpr const char* kOneGigabyteChoices =
    "chkboxCache_Checked=True\r\nTrkBarLiberar_Position=300\r\ntrkbarAutoLiberar_Position=255\r\n"
    "TrkBarMaxCache_Position=900\r\nTrkBarMinCache_Position=600\r\n";

TEST_F(MemoryTotalTest, APassingDropOfTheTotalLeavesTheUsersPositionsAndStartsNoRun) {
  stored(kOneGigabyteChoices);
  fakes.memory.setStatus(machineOf(1024, 100));
  TfrmPrincipal& w = started();
  tick();
  ASSERT_EQ(w.txtAutoRecover->caption(), "1");
  ASSERT_EQ(w.txtMemoriaAlvo->caption(), "519");

  // Half the memory for three ticks: the sliders show the ends of the narrower ranges, and the levels
  // they show are the ones in force, which only fall.
  fakes.memory.setStatus(machineOf(512, 100));
  for (int i = 0; i < 3; ++i) tick();
  EXPECT_EQ(w.trkbarAutoLiberar->position(), 128);
  EXPECT_EQ(w.txtAutoRecover->caption(), "0");
  EXPECT_EQ(w.txtMemoriaAlvo->caption(), "109");
  EXPECT_EQ(w.TrkBarMaxCache->position(), 512);
  EXPECT_EQ(w.TrkBarMinCache->position(), 512);

  // Back: every position as the user left it, and a critical level of 1 MB again, not 128 MB, which
  // would start a run at every tick with 100 MB free.
  fakes.memory.setStatus(machineOf(1024, 100));
  for (int i = 0; i < 5; ++i) tick();
  EXPECT_EQ(w.txtAutoRecover->caption(), "1");
  EXPECT_EQ(w.txtMemoriaAlvo->caption(), "519");
  EXPECT_EQ(w.TrkBarMaxCache->position(), 900);
  EXPECT_EQ(w.TrkBarMinCache->position(), 600);
  EXPECT_EQ(w.txtMinCache->caption(), "600 M");
  EXPECT_TRUE(fakes.memory.commits().empty());
  EXPECT_FALSE(w.SystemConfigChanged);

  endSession();
  EXPECT_THAT(file(), HasSubstr(kOneGigabyteChoices));
  EXPECT_TRUE(fakes.memory.commits().empty());
}

TEST_F(MemoryTotalTest, AFirstShowAndAnEndDuringTheDropKeepTheUsersPositionsNotTheShownOnes) {
  stored(kOneGigabyteChoices);
  fakes.memory.setStatus(machineOf(1024, 100));
  TfrmPrincipal& w = started();
  tick();
  fakes.memory.setStatus(machineOf(512, 100));
  tick();
  w.show();  // the first show loads the stored positions again, into the narrower ranges
  EXPECT_EQ(w.TrkBarMaxCache->position(), 512);
  EXPECT_FALSE(w.SystemConfigChanged);
  endSession();
  EXPECT_THAT(file(), HasSubstr(kOneGigabyteChoices));
}

TEST_F(MemoryTotalTest, WhatTheUserMovesDuringTheDropIsKept) {
  stored(kOneGigabyteChoices);
  fakes.memory.setStatus(machineOf(1024, 100));
  TfrmPrincipal& w = started();
  tick();
  fakes.memory.setStatus(machineOf(512, 100));
  tick();
  w.trkbarAutoLiberar->setPosition(100);  // a critical level of 28 MB of the 128 shown
  w.TrkBarMaxCache->setPosition(400);     // below the hidden minimum of 600: pulls it down
  EXPECT_EQ(w.TrkBarMinCache->position(), 400);
  EXPECT_TRUE(w.SystemConfigChanged);

  fakes.memory.setStatus(machineOf(1024, 100));
  tick();
  EXPECT_EQ(w.trkbarAutoLiberar->position(), 100);
  EXPECT_EQ(w.txtAutoRecover->caption(), "156");
  EXPECT_EQ(w.TrkBarMaxCache->position(), 400);
  EXPECT_EQ(w.TrkBarMinCache->position(), 400);
  EXPECT_EQ(w.txtMemoriaAlvo->caption(), "519");  // the slider nobody moved comes back
  EXPECT_TRUE(w.SystemConfigChanged);

  endSession();
  EXPECT_THAT(file(), HasSubstr("TrkBarLiberar_Position=300\r\ntrkbarAutoLiberar_Position=100\r\n"));
  EXPECT_THAT(file(), HasSubstr("TrkBarMaxCache_Position=400\r\nTrkBarMinCache_Position=400\r\n"));
}

}  // namespace
}  // namespace lumaro::app
