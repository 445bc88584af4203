// The monitoring tick, optimization runs, the automatic triggers, the hotkey and the resource alert,
// all on the virtual clock over the fake platform.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/forms/anticrash_form.h"
#include "app/program/program.h"
#include "backends/fake/fake_services.h"
#include "native_path.h"
#include "small_machine.h"
#include "toolkit/menus/drawn_menu.h"
#include "toolkit/pixel_art.h"

namespace lumaro::app {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::Pair;

constexpr std::uint64_t kMiB = 1024 * 1024;

class MonitoringTest : public ::testing::Test {
 protected:
  MonitoringTest() { setFree(300); }

  TfrmPrincipal& started() {
    EXPECT_EQ(program.start(), std::nullopt);
    TfrmPrincipal& w = program.mainWindow();
    w.MM->OnProgress = [this, handler = w.MM->OnProgress.handler()](toolkit::Component& sender, int p) {
      progress.push_back(p);
      progressWindowShown.push_back(program.progressWindow().visible());
      if (onProgress) onProgress(p);
      handler(sender, p);
    };
    return w;
  }
  void setFree(std::uint64_t megabytes) { fakes.memory.setStatus(test::smallMachineWithFree(megabytes)); }
  // The processor's load over the next sample, in per cent.
  void nextLoad(int percent) {
    time_ += 1000;
    idle_ += 10 * (100 - percent);
    fakes.processor.queue({idle_}, time_);
  }
  // One monitoring tick at the default 500 ms.
  void tick(int load = 0) {
    nextLoad(load);
    fakes.loop.advance(500);
  }

  platform::fake::FakeServices fakes;
  platform::Services services = fakes.services();
  Program program{services};
  std::vector<int> progress;
  std::vector<bool> progressWindowShown;
  std::function<void(int)> onProgress;
  std::int64_t idle_ = 0;
  std::int64_t time_ = 0;
};

TEST_F(MonitoringTest, TickRefreshesEveryFigure) {
  TfrmPrincipal& w = started();
  EXPECT_EQ(w.txtMemoriaAlvo->caption(), "205");  // first-start target through the slider's handler
  EXPECT_EQ(w.txtAutoRecover->caption(), "1");
  tick(37);
  EXPECT_EQ(w.ProgressBarCPUusage->Position(), 37);
  EXPECT_EQ(w.LEDDisplayCPU->Value(), 37);
  EXPECT_EQ(w.txtMemoryLoad->caption(), "40%");
  EXPECT_EQ(w.txtFreePhysical->caption(), "300,00M (58%)");
  EXPECT_EQ(w.txtFreePaging->caption(), "556,00M (54%)");
  EXPECT_EQ(w.LEDDisplay1->Value(), 300);
  ASSERT_EQ(w.HeartMachine1->seriesCount(), 3);
  EXPECT_EQ(w.HeartMachine1->values(0).back(), 1);
  EXPECT_EQ(w.HeartMachine1->values(1).back(), 205);
  EXPECT_EQ(w.HeartMachine1->values(2).back(), 300);
  EXPECT_TRUE(progress.empty());
  // Reading the memory is most of a tick's cost: one reading serves every figure.
  const int before = fakes.memory.statusReads();
  tick();
  EXPECT_EQ(fakes.memory.statusReads() - before, 1);
}

TEST_F(MonitoringTest, ASeriesHiddenFromTheChartsMenuIsGoneAtTheNextTick) {
  TfrmPrincipal& w = started();
  tick();
  const auto shows = [&](toolkit::Color colour) {
    const toolkit::Bitmap& picture = w.HeartMachine1->picture();
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        if (toolkit::test::colorAt(picture, x, y) == colour) return true;
    return false;
  };
  ASSERT_TRUE(shows(toolkit::clYellow));  // "Memória Livre"
  program.application().guarded([&] { w.HeartMachine1->contextMenu()->clickItem(2); });
  tick();
  EXPECT_FALSE(shows(toolkit::clYellow));
  EXPECT_TRUE(shows(toolkit::clLime));
  EXPECT_EQ(w.HeartMachine1->values(2).back(), 300);  // its values keep scrolling
}

TEST_F(MonitoringTest, ABrokenSourceIsReportedOnceAndTheFiguresComeBackWithIt) {
  TfrmPrincipal& w = started();
  tick();
  ASSERT_EQ(w.txtFreePhysical->caption(), "300,00M (58%)");

  // Every kind of reading that cannot be right is one and the same error.
  for (const platform::MemoryStatus garbled :
       {platform::MemoryStatus{},
        platform::MemoryStatus{.totalPhysical = 512 * kMiB, .availablePhysical = 600 * kMiB},
        platform::MemoryStatus{.memoryLoad = 101, .totalPhysical = 512 * kMiB, .availablePhysical = 5 * kMiB},
        platform::MemoryStatus{.totalPhysical = 512 * kMiB, .availablePageFile = 1}}) {
    fakes.memory.setStatus(garbled);
    for (int i = 0; i < 5; ++i) tick();
  }
  EXPECT_THAT(fakes.loop.pauses(), ElementsAre(15000u));
  EXPECT_EQ(w.txtFreePhysical->caption(), "300,00M (58%)");  // nothing garbled was shown

  // Another error is reported in its turn, once.
  fakes.processor.queue(platform::ProcessorCounters{});
  for (int i = 0; i < 5; ++i) fakes.loop.advance(500);
  EXPECT_THAT(fakes.loop.pauses(), ElementsAre(15000u, 15000u));

  // Good sources again: the figures follow at the next tick, and a new break is reported anew.
  setFree(200);
  tick();
  EXPECT_EQ(w.txtFreePhysical->caption(), "200,00M (39%)");
  fakes.memory.setStatus({});
  tick();
  tick();
  EXPECT_EQ(fakes.loop.pauses().size(), 3u);
  EXPECT_EQ(fakes.messageBox.notes.size(), 3u);  // each report leaves its line in the session log
}

TEST_F(MonitoringTest, FiguresGarbledFromTheStartAreReportedByTheFirstTickAloneAndOnlyInTheLog) {
  fakes.memory.setStatus({});
  TfrmPrincipal& w = started();
  EXPECT_TRUE(fakes.loop.pauses().empty());  // the start-up takes a total of 0 and reports nothing
  // Restore requests and hides between the ticks raise nothing either.
  for (int i = 0; i < 10; ++i) {
    tick();
    fakes.restoreChannel.deliver();
    EXPECT_TRUE(w.visible());
    w.hide();
  }
  EXPECT_THAT(fakes.loop.pauses(), ElementsAre(15000u));
  EXPECT_THAT(fakes.messageBox.notes, ElementsAre(Pair("Lumaro", "Garbled memory figures")));
  EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_F(MonitoringTest, ProcessorColoursAndClampedLoad) {
  TfrmPrincipal& w = started();
  const std::pair<int, toolkit::Color> expected[] = {
      {24, toolkit::clLime}, {25, toolkit::clYellow}, {74, toolkit::clYellow}, {75, toolkit::clRed}};
  for (auto [load, colour] : expected) {
    tick(load);
    EXPECT_EQ(w.LEDDisplayCPU->ColorLED(), colour) << load;
  }
  tick(130);  // more busy than the time allows: the meter clamps it
  EXPECT_EQ(w.ProgressBarCPUusage->Position(), 100);
  EXPECT_EQ(w.LEDDisplayCPU->Value(), 100);
}

TEST_F(MonitoringTest, RunToTheTargetWithTheProgressWindow) {
  TfrmPrincipal& w = started();
  w.trkbarAutoLiberar->setPosition(w.trkbarAutoLiberar->max());  // critical level 0: no automatic run
  w.chkboxVisualBar->setChecked(true);
  w.TrkBarLiberar->setPosition(w.TrkBarLiberar->max() - 100);  // target 100 MB
  w.btnDefrag->click();
  EXPECT_EQ(fakes.memory.commits().size(), 102u);
  ASSERT_EQ(progress.size(), 204u);
  EXPECT_EQ(progress.back(), 100);
  TfrmProgress& window = program.progressWindow();
  EXPECT_FALSE(window.visible());                    // hidden at 100
  EXPECT_EQ(window.ProgressBarFreeRam->Max(), 512);  // set at the report equal to 1
  EXPECT_EQ(window.lblFreeRam->caption(), "300M");
  EXPECT_EQ(window.lblProgress->caption(), "100%");
  EXPECT_TRUE(progressWindowShown.front());
  EXPECT_EQ(w.ProgressBar1->Position(), 100);
  EXPECT_FALSE(w.Defragging);
  EXPECT_TRUE(w.Timer1->enabled());
}

TEST_F(MonitoringTest, SmallRunNeverReportsOneAndWithoutTheWindowNothingShows) {
  TfrmPrincipal& w = started();
  w.TrkBarLiberar->setPosition(w.TrkBarLiberar->max());  // target 0: 2 blocks
  w.btnDefrag->click();
  EXPECT_THAT(progress, ElementsAre(25, 50, 75, 100));
  EXPECT_THAT(progressWindowShown, ElementsAre(false, false, false, false));
  EXPECT_EQ(program.progressWindow().ProgressBarFreeRam->Max(), 100);
}

TEST_F(MonitoringTest, CancelStopsTheRunAndMonitoringResumesAtTheNewInterval) {
  TfrmPrincipal& w = started();
  w.chkboxVisualBar->setChecked(true);
  onProgress = [&](int p) {
    if (p == 3) {
      w.CancelRequest = true;  // the animated icon was clicked
      w.RadioButton4->setChecked(true);
    }
  };
  w.btnDefrag->click();
  EXPECT_EQ(progress.back(), 3);
  EXPECT_EQ(fakes.memory.held(), 0u);
  EXPECT_FALSE(w.CancelRequest);
  EXPECT_FALSE(program.progressWindow().visible());
  EXPECT_EQ(program.progressWindow().lblProgress->caption(), "100%");
  EXPECT_EQ(w.ProgressBar1->Position(), 3);  // a stopped run must not look finished
  EXPECT_TRUE(w.TrayIcon->IconVisible());
  EXPECT_TRUE(w.Timer1->enabled());
  EXPECT_EQ(w.Timer1->interval(), 150u);
}

TEST_F(MonitoringTest, ARunLetsMessagesRunAtItsFirstReportThenThirtyTimesASecond) {
  TfrmPrincipal& w = started();
  w.trkbarAutoLiberar->setPosition(w.trkbarAutoLiberar->max());  // no automatic run
  w.TrkBarLiberar->setPosition(w.TrkBarLiberar->max() - 98);     // 100 blocks: 200 reports
  std::vector<int> passesBefore;                                 // the loop's passes before each report
  onProgress = [&](int) {
    passesBefore.push_back(fakes.loop.processPendingCalls());
    fakes.loop.pause(1);  // each block takes a millisecond
  };
  w.btnDefrag->click();
  passesBefore.push_back(fakes.loop.processPendingCalls());
  std::vector<std::size_t> passedAt;
  for (std::size_t i = 0; i + 1 < passesBefore.size(); ++i) {
    if (passesBefore[i + 1] > passesBefore[i]) passedAt.push_back(i);
  }
  EXPECT_THAT(passedAt, ElementsAre(0, 33, 66, 99, 132, 165, 198));

  // A stop click waits for the next pass, never longer than its interval.
  progress.clear();
  onProgress = [&](int) {
    if (progress.size() == 40) program.application().post([&] { w.CancelRequest = true; });
    fakes.loop.pause(1);
  };
  w.btnDefrag->click();
  EXPECT_LE(progress.size(), 40u + 33u);
  EXPECT_GE(progress.size(), 40u);
  EXPECT_EQ(fakes.memory.held(), 0u);
}

TEST_F(MonitoringTest, AnEndOfTheSessionStopsARunAtItsNextReport) {
  TfrmPrincipal& w = started();
  onProgress = [&](int p) {
    if (p == 3) program.endSession();  // served by the loop inside the report, as SIGTERM is
  };
  w.btnDefrag->click();
  EXPECT_EQ(progress.back(), 3);
  EXPECT_EQ(fakes.memory.held(), 0u);
}

TEST_F(MonitoringTest, ARunEndedByARefusedClaimEndsAsAStoppedRun) {
  TfrmPrincipal& w = started();
  w.chkboxVisualBar->setChecked(true);
  w.TrkBarLiberar->setPosition(w.TrkBarLiberar->max() - 100);  // 102 blocks
  const auto expectIdle = [&](const char* end, int mainMeter) {
    SCOPED_TRACE(end);
    EXPECT_FALSE(program.progressWindow().visible());
    EXPECT_EQ(program.progressWindow().lblProgress->caption(), "100%");
    EXPECT_EQ(program.progressWindow().ProgressBarProgress->Position(), 100);
    EXPECT_EQ(w.ProgressBar1->Position(), mainMeter);
    EXPECT_TRUE(w.TrayIcon->IconVisible());
    EXPECT_FALSE(w.AniTrayicon->IconVisible());
    EXPECT_FALSE(w.AniTrayicon->CycleIcons());
    EXPECT_FALSE(w.Defragging);
    EXPECT_TRUE(w.Timer1->enabled());
    EXPECT_EQ(fakes.memory.held(), 0u);
  };

  fakes.memory.setHeldLimit(30);  // the reserve refuses the 31st block
  w.btnDefrag->click();
  EXPECT_EQ(progress.back(), 15);
  EXPECT_TRUE(progressWindowShown.back());
  expectIdle("refused part-way", 15);

  progress.clear();
  fakes.memory.setHeldLimit(0);  // refused at once: not one report
  w.btnDefrag->click();
  EXPECT_TRUE(progress.empty());
  expectIdle("refused at the first block", 15);  // no report: the meter is as it was

  // The box unticked while the window is up: the window still goes.
  fakes.memory.setHeldLimit(SIZE_MAX);
  onProgress = [&](int p) {
    if (p == 20) w.chkboxVisualBar->setChecked(false);
  };
  w.btnDefrag->click();
  EXPECT_FALSE(program.progressWindow().visible());
}

TEST_F(MonitoringTest, FreeReadOutNeverShowsLessThanAtTheStart) {
  TfrmPrincipal& w = started();
  w.chkboxVisualBar->setChecked(true);
  w.TrkBarLiberar->setPosition(w.TrkBarLiberar->max() - 10);
  std::vector<std::string> shown;
  onProgress = [&](int p) {
    setFree(p <= 50 ? 250 : 320);  // the claim lowers free memory, the release brings it back
    shown.push_back(program.progressWindow().lblFreeRam->caption());
  };
  w.btnDefrag->click();
  EXPECT_EQ(shown[1], "300M");
  EXPECT_EQ(program.progressWindow().lblFreeRam->caption(), "320M");
}

TEST_F(MonitoringTest, TheProgressWindowFollowsEveryReport) {
  TfrmPrincipal& w = started();
  w.trkbarAutoLiberar->setPosition(w.trkbarAutoLiberar->max());  // no automatic run
  w.TrkBarLiberar->setPosition(w.TrkBarLiberar->max() - 198);    // 200 blocks: 400 reports
  w.chkboxVisualBar->setChecked(true);
  // Each report finds the read-outs at the report before it, with the free memory read for it, also
  // where two reports in a row give the same percentage.
  std::vector<std::string> captions;
  std::vector<std::string> freeShown;
  int freeMB = 300;
  onProgress = [&](int) {
    captions.push_back(program.progressWindow().lblProgress->caption());
    freeShown.push_back(program.progressWindow().lblFreeRam->caption());
    setFree(++freeMB);
  };
  w.btnDefrag->click();
  ASSERT_EQ(progress.size(), 400u);
  ASSERT_EQ(progress[0], progress[1]);  // 1 and 2 of 400 both round to 0 %
  for (std::size_t i = 1; i < captions.size(); ++i) {
    EXPECT_EQ(captions[i], std::to_string(progress[i - 1]) + "%") << i;
    EXPECT_EQ(freeShown[i], std::to_string(300 + i) + "M") << i;
  }
  EXPECT_EQ(program.progressWindow().lblProgress->caption(), "100%");
  EXPECT_EQ(program.progressWindow().lblFreeRam->caption(), "700M");
}

TEST_F(MonitoringTest, CriticalLevelRequestsARunAndTheGateHoldsItBack) {
  TfrmPrincipal& w = started();
  w.trkbarAutoLiberar->setPosition(w.trkbarAutoLiberar->max() - 100);  // critical level 100 MB
  setFree(100);
  w.chkboxRecoverCPUusage->setChecked(true);
  w.RxSpinRecoverCPUusage->setValue(25);
  tick(30);
  EXPECT_TRUE(w.AutoRecoverRequest);  // equality counts, but the processor is too busy
  EXPECT_TRUE(progress.empty());
  tick(25);
  EXPECT_FALSE(progress.empty());
  EXPECT_FALSE(w.AutoRecoverRequest);

  // Stuck below the level: the next tick after a run starts the next one.
  progress.clear();
  tick(0);
  EXPECT_FALSE(progress.empty());
  w.RxSpinRecoverCPUusage->setValue(100);  // a gate at 100 % never holds a run back
  progress.clear();
  tick(100);
  EXPECT_FALSE(progress.empty());
}

TEST_F(MonitoringTest, PeriodicTriggerRunsAfterEachPeriodAndTicksTheCriticalOption) {
  TfrmPrincipal& w = started();
  w.trkbarAutoLiberar->setPosition(w.trkbarAutoLiberar->max());
  w.chkboxAutoRecover->setChecked(false);
  w.RxSpinAutoRecoverTime->setValue(1);
  w.chkboxAutoRecoverTime->setChecked(true);
  EXPECT_TRUE(w.chkboxAutoRecover->checked());
  EXPECT_EQ(w.TimerAutoRecover->interval(), 60000u);
  for (int i = 0; i < 119; ++i) tick();
  EXPECT_TRUE(progress.empty());
  tick();  // the minute is up; the tick right after it runs
  tick();
  EXPECT_FALSE(progress.empty());
  EXPECT_FALSE(w.TimedRecoverRequest);

  w.TimerAutoRecover->OnTimer(*w.TimerAutoRecover);  // a request pending when the option is unticked
  w.chkboxAutoRecoverTime->setChecked(false);
  EXPECT_FALSE(w.TimerAutoRecover->enabled());
  progress.clear();
  tick();
  EXPECT_FALSE(progress.empty());
}

TEST_F(MonitoringTest, BootIdleRunsOnceWhenTheProcessorQuietensDown) {
  TfrmPrincipal& w = started();
  w.trkbarAutoLiberar->setPosition(w.trkbarAutoLiberar->max());
  w.chkboxBootidle->setChecked(true);  // read at start-up: arm as the start does
  w.TimerBoot->setInterval(1500);
  w.TimerBoot->setEnabled(true);
  for (int i = 0; i < 20; ++i) tick(50);  // ten seconds at 50 %
  EXPECT_TRUE(progress.empty());
  EXPECT_TRUE(w.TimerBoot->enabled());
  for (int i = 0; i < 6; ++i) tick(20);
  EXPECT_FALSE(progress.empty());
  EXPECT_FALSE(w.TimerBoot->enabled());
  progress.clear();
  for (int i = 0; i < 10; ++i) tick(20);
  EXPECT_TRUE(progress.empty());
}

TEST_F(MonitoringTest, BootIdleTickDuringARunIsConsumedByIt) {
  TfrmPrincipal& w = started();
  w.trkbarAutoLiberar->setPosition(w.trkbarAutoLiberar->max());
  tick(10);  // the load the meter shows when the run starts: it is not refreshed during it
  w.TimerBoot->setInterval(1500);
  w.TimerBoot->setEnabled(true);
  onProgress = [&](int p) {
    if (p == 50) fakes.loop.advance(1500);  // the boot-idle timer fires inside the run's message pump
  };
  w.btnDefrag->click();
  EXPECT_FALSE(w.TimerBoot->enabled());
  EXPECT_FALSE(w.AutoRecoverRequest);
  progress.clear();
  tick();
  EXPECT_TRUE(progress.empty());
}

TEST_F(MonitoringTest, TrayItemsStartQuickAndFullRuns) {
  TfrmPrincipal& w = started();
  w.Otimizar10->click();  // "Otimização rápida : 25MB" with 300 MB free
  EXPECT_EQ(fakes.memory.commits().size(), 325u);
  w.OtimizarRam1->click();  // to the target: 205 + 2 blocks
  EXPECT_EQ(fakes.memory.commits().size(), 325u + 207u);
}

TEST_F(MonitoringTest, HelpOpensBesideTheProgramWithTheWindowHidden) {
  TfrmPrincipal& w = started();
  w.Ajudaonline2->click();
  EXPECT_FALSE(w.visible());
  EXPECT_THAT(fakes.desktop.documentsOpened,
              ElementsAre(lumaro::testing::nativePath("/opt/lumaro/lumaro.html")));
}

TEST_F(MonitoringTest, TheHelpLabelOpensTheHelpAndAMissingViewerIsReported) {
  TfrmPrincipal& w = started();
  w.btnHelp->click();
  EXPECT_THAT(fakes.desktop.documentsOpened,
              ElementsAre(lumaro::testing::nativePath("/opt/lumaro/lumaro.html")));
  EXPECT_TRUE(fakes.messageBox.shown.empty());

  fakes.desktop.viewerAvailable = false;
  w.btnHelp->click();
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0].second,
            "Não foi possível abrir a ajuda: " + lumaro::testing::nativePath("/opt/lumaro/lumaro.html"));
}

TEST_F(MonitoringTest, AnyButtonOnTheTitleStartsAWindowMove) {
  TfrmPrincipal& w = started();
  int moves = 0;
  w.setMoveListener([&] { ++moves; });
  w.PanelTitulo->mouseDown(toolkit::MouseButton::Right, 40, 5);
  w.Image1->mouseDown(toolkit::MouseButton::Left, 2, 2);
  EXPECT_EQ(moves, 2);
}

TEST_F(MonitoringTest, QuickRunsAddTheirShareToFreeMemory) {
  TfrmPrincipal& w = started();
  EXPECT_EQ(quickRunShare("Otimização rápida : 25MB"), 25);
  EXPECT_EQ(quickRunShare("Otimizar para"), std::nullopt);
  EXPECT_EQ(quickRunShare("x: 2zMB"), std::nullopt);
  w.DefragAmount(25 + 300);
  EXPECT_EQ(fakes.memory.commits().size(), 325u);
  w.DefragAmount(1100);
  EXPECT_EQ(fakes.memory.commits().size(), 325u + 1024u);
}

TEST_F(MonitoringTest, HotkeyFollowsTheBoxAndTheChosenCombination) {
  TfrmPrincipal& w = started();
  const auto ctrlAlt = platform::kModControl | platform::kModAlt;
  EXPECT_TRUE(w.HotKey->registered());
  EXPECT_TRUE(fakes.hotkeys.press(ctrlAlt, 'M'));  // Ctrl+Alt+M starts a run from anywhere
  EXPECT_FALSE(progress.empty());

  w.cbHotKey->userSelect(
      static_cast<int>(std::find(w.cbHotKey->items().begin(), w.cbHotKey->items().end(), "Shift+Alt+F5") -
                       w.cbHotKey->items().begin()));
  EXPECT_FALSE(fakes.hotkeys.press(ctrlAlt, 'M'));
  EXPECT_TRUE(fakes.hotkeys.press(platform::kModShift | platform::kModAlt, 116));

  w.cbHotKey->setText("ctrl+alt+q");  // typed: nothing changes until the box is ticked again
  EXPECT_FALSE(fakes.hotkeys.press(ctrlAlt, 'Q'));
  w.chkboxShortCut->setChecked(false);
  EXPECT_FALSE(w.cbHotKey->enabled());
  EXPECT_FALSE(fakes.hotkeys.press(platform::kModShift | platform::kModAlt, 116));
  w.chkboxShortCut->setChecked(true);
  EXPECT_TRUE(fakes.hotkeys.press(ctrlAlt, 'Q'));

  fakes.hotkeys.taken.insert({ctrlAlt, 'Z'});  // held by another program: silently unregistered
  w.cbHotKey->setText("Ctrl+Alt+Z");
  w.cbHotKeyClick();
  EXPECT_FALSE(w.HotKey->registered());
  EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_F(MonitoringTest, HotkeyDuringARunLeavesItUndisturbed) {
  TfrmPrincipal& w = started();
  onProgress = [&](int p) {
    if (p == 10) fakes.hotkeys.press(platform::kModControl | platform::kModAlt, 'M');
  };
  w.TrkBarLiberar->setPosition(w.TrkBarLiberar->max() - 18);
  w.btnDefrag->click();
  EXPECT_EQ(progress.size(), 40u);
  EXPECT_EQ(progress.back(), 100);
}

class AlertTest : public MonitoringTest {
 protected:
  AlertTest() { fakes.systemInfo.family = platform::kFamily9x; }
};

TEST_F(AlertTest, OneAlertPerLowSpellClosedWhenResourcesRecover) {
  TfrmPrincipal& w = started();
  ASSERT_TRUE(w.chkboxAntiCrash->checked());
  fakes.systemResources.free = {60, 40, 12};
  tick();
  ASSERT_NE(w.frmAntiCrash, nullptr);
  EXPECT_TRUE(w.frmAntiCrash->visible());
  EXPECT_EQ(w.frmAntiCrash->caption(), "Lumaro  -   Alerta sobre Recursos de Memória");
  EXPECT_EQ(fakes.desktop.beeps, 1);
  fakes.loop.advance(1000);
  EXPECT_GT(fakes.desktop.onTopRequests, 0);
  EXPECT_TRUE(fakes.desktop.programOnTop);

  w.frmAntiCrash->btnDefrag->click();        // the user closes it while resources stay low
  EXPECT_FALSE(fakes.desktop.programOnTop);  // back among the other programs' windows
  const int requests = fakes.desktop.onTopRequests;
  tick();
  EXPECT_EQ(fakes.desktop.onTopRequests, requests);
  EXPECT_FALSE(fakes.desktop.programOnTop);
  EXPECT_EQ(w.frmAntiCrash, nullptr);
  tick();
  EXPECT_EQ(w.frmAntiCrash, nullptr);
  EXPECT_EQ(fakes.desktop.beeps, 1);

  fakes.systemResources.free = {60, 40, 16};  // above 15: re-armed
  tick();
  fakes.systemResources.free = {15, 40, 60};  // equality counts
  tick();
  ASSERT_NE(w.frmAntiCrash, nullptr);
  EXPECT_EQ(fakes.desktop.beeps, 2);
  fakes.loop.advance(1000);
  EXPECT_TRUE(fakes.desktop.programOnTop);
  fakes.systemResources.free = {90, 90, 90};
  tick();
  tick();
  EXPECT_EQ(w.frmAntiCrash, nullptr);  // closed by the tick, then freed
  EXPECT_FALSE(fakes.desktop.programOnTop);
}

TEST_F(AlertTest, UntickedOptionLeavesAnOpenAlertAndRaisesNoNewOne) {
  TfrmPrincipal& w = started();
  fakes.systemResources.free = {10, 10, 10};
  tick();
  ASSERT_NE(w.frmAntiCrash, nullptr);
  w.chkboxAntiCrash->setChecked(false);
  fakes.systemResources.free = {90, 90, 90};
  tick();
  EXPECT_NE(w.frmAntiCrash, nullptr);
  w.frmAntiCrash->close();
  fakes.systemResources.free = {10, 10, 10};
  tick();
  tick();
  EXPECT_EQ(w.frmAntiCrash, nullptr);
  EXPECT_EQ(fakes.desktop.beeps, 1);
}

}  // namespace
}  // namespace lumaro::app
