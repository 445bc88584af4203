#include "app/program/program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

#include "backends/fake/fake_services.h"
#include "native_path.h"
#include "toolkit/core/error.h"

namespace lumaro::app {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Pair;

constexpr std::uint64_t kMiB = 1024 * 1024;

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() {
    fakes.memory.setStatus({.memoryLoad = 40, .totalPhysical = 512 * kMiB, .availablePhysical = 300 * kMiB});
    fakes.processor.queue({0}, 0);
  }
  TfrmPrincipal& started() {
    EXPECT_EQ(program.start(), std::nullopt);
    return program.mainWindow();
  }

  platform::fake::FakeServices fakes;
  platform::Services services = fakes.services();
  Program program{services};
};

TEST_F(ProgramTest, FirstStartOnA512MegabyteMachine) {
  TfrmPrincipal& w = started();
  EXPECT_FALSE(w.visible());  // lives in the tray
  EXPECT_EQ(w.caption(), "Lumaro.");
  EXPECT_EQ(program.application().title(), "Lumaro");
  EXPECT_TRUE(w.QuitAllowed);
  EXPECT_EQ(w.TrkBarLiberar->max(), 409);
  EXPECT_EQ(w.TrkBarLiberar->position(), 204);
  EXPECT_EQ(w.trkbarAutoLiberar->max(), 128);
  EXPECT_EQ(w.trkbarAutoLiberar->position(), 127);
  EXPECT_EQ(w.cbHotKey->text(), "Ctrl+Alt+M");
  EXPECT_FALSE(w.chkboxFirstStart->checked());
  EXPECT_EQ(w.TrkBarMinCache->max(), 512);
  EXPECT_EQ(w.TrkBarMaxCache->max(), 512);
  EXPECT_EQ(w.txtMinCache2->caption(), "512");
  EXPECT_EQ(w.txtMinCache->caption(), "0 M");
  EXPECT_EQ(w.txtBlockCache->caption(), "512 bytes");
  EXPECT_EQ(w.txtPageBuffers->caption(), "4 K");
  EXPECT_EQ(w.txtDMABuffers->caption(), "0 K");
  EXPECT_EQ(w.PageControl1->activePage(), w.tabRam);
  EXPECT_TRUE(w.Timer1->enabled());
  EXPECT_FALSE(w.TimerBoot->enabled());
  EXPECT_FALSE(w.SystemConfigChanged);
  EXPECT_EQ(fakes.restoreChannel.listening, "LUMARO2");
  EXPECT_THAT(fakes.instanceGuard.claims, ElementsAre("LUMARO2"));
}

TEST_F(ProgramTest, StartUpScalesTheChartAndItsReadOuts) {
  TfrmPrincipal& w = started();
  EXPECT_EQ(w.HeartMachine1->Min, 0);
  EXPECT_EQ(w.HeartMachine1->Max, 512);
  ASSERT_EQ(w.HeartMachine1->seriesCount(), 2);
  EXPECT_EQ(w.HeartMachine1->values(0)[99], 409);
  EXPECT_EQ(w.HeartMachine1->values(0)[98], 0);
  // The target slider's position before the first-start defaults moved it.
  EXPECT_EQ(w.HeartMachine1->values(1)[99], 0);
  const auto& series = w.HeartMachine1->PopupMenu().items();
  ASSERT_EQ(series.size(), 2u);
  EXPECT_EQ(series[0]->caption, "Auto Liberar");
  EXPECT_EQ(series[1]->caption, "Memória Alvo");
  EXPECT_EQ(w.LEDDisplayMax->Value(), 512);
  EXPECT_EQ(w.LEDDisplayMin->Value(), 0);
  EXPECT_EQ(w.LEDDisplay1->Value(), 0);
  EXPECT_EQ(w.ProgressBarCPUusage->Position(), 100);  // as designed, until the first tick
  EXPECT_EQ(w.ProgressBar1->Position(), 0);
}

TEST_F(ProgramTest, EveryPageSitsOnAScrewPanel) {
  TfrmPrincipal& w = started();
  const std::pair<toolkit::TabSheet*, toolkit::Control*> pages[] = {{w.tabRam, w.ScrewPanel1},
                                                                    {w.tabConfig, w.ScrewPanel2},
                                                                    {w.tabTuneup, w.ScrewPanel5},
                                                                    {w.tabCache, w.ScrewPanel4}};
  for (const auto& [page, panel] : pages) {
    EXPECT_THAT(page->children(), ElementsAre(panel)) << page->name();
    EXPECT_EQ(panel->align(), toolkit::Align::Client) << page->name();
  }
  EXPECT_EQ(w.btnDefrag->parent(), w.ScrewPanel1);
  EXPECT_EQ(w.HeartMachine1->parent(), w.Panel1);
  EXPECT_EQ(w.RadioButton1->parent(), w.ScrewPanel2);
  EXPECT_EQ(w.btnTuneUp->parent(), w.ScrewPanel5);
  EXPECT_EQ(w.btnCacheBest->parent(), w.ScrewPanel4);
}

TEST_F(ProgramTest, HotkeyListHoldsBothPrefixesWithXBeforeW) {
  const auto items = started().cbHotKey->items();
  ASSERT_EQ(items.size(), 96u);
  EXPECT_EQ(items[0], "Ctrl+Alt+A");
  EXPECT_EQ(items[21], "Ctrl+Alt+V");
  EXPECT_EQ(items[22], "Ctrl+Alt+X");
  EXPECT_EQ(items[23], "Ctrl+Alt+W");
  EXPECT_EQ(items[26], "Ctrl+Alt+F1");
  EXPECT_EQ(items[47], "Ctrl+Alt+9");
  EXPECT_EQ(items[48], "Shift+Alt+A");
  EXPECT_EQ(items[95], "Shift+Alt+9");
}

TEST_F(ProgramTest, ResourceAlertControlsHideOutsideThe9xFamily) {
  TfrmPrincipal& w = started();
  EXPECT_FALSE(w.chkboxAntiCrash->checked());
  EXPECT_FALSE(w.chkboxAntiCrash->visible());
  EXPECT_FALSE(w.RxSpinAntiCrash->visible());
  EXPECT_FALSE(w.LabelAntiCrash->visible());
  EXPECT_FALSE(w.LabelAntiCrash2->visible());

  platform::fake::FakeServices nineX;
  nineX.systemInfo.family = platform::kFamily9x;
  nineX.memory.setStatus({.totalPhysical = 64 * kMiB});
  platform::Services s = nineX.services();
  Program old(s);
  ASSERT_EQ(old.start(), std::nullopt);
  EXPECT_TRUE(old.mainWindow().chkboxAntiCrash->checked());
  EXPECT_TRUE(old.mainWindow().LabelAntiCrash2->visible());
}

TEST_F(ProgramTest, SecondCopyShowsTheMessageThenAsksTheRunningCopyForItsWindowAndEndsWithZero) {
  using Request = platform::RestoreChannel::Request;
  fakes.instanceGuard.heldElsewhere.insert("LUMARO2");
  // The request goes once the user has read the message.
  std::size_t sentBeforeTheMessageClosed = 1;
  fakes.messageBox.onShow = [&](const std::string&) {
    sentBeforeTheMessageClosed = fakes.restoreChannel.sent.size();
  };
  EXPECT_EQ(program.start(), 0);
  EXPECT_THAT(fakes.messageBox.shown,
              ElementsAre(std::make_pair(std::string("Lumaro"), std::string(kAlreadyRunning))));
  EXPECT_EQ(sentBeforeTheMessageClosed, 0u);
  EXPECT_THAT(fakes.restoreChannel.sent, ElementsAre(Pair("LUMARO2", Request::Restore)));
  EXPECT_TRUE(fakes.restoreChannel.listening.empty());
}

TEST_F(ProgramTest, AnOptimizeRequestRunsToTheTargetAsTheHotkeyDoes) {
  TfrmPrincipal& w = started();
  ASSERT_EQ(w.txtMemoriaAlvo->caption(), "205");
  fakes.restoreChannel.deliver(platform::RestoreChannel::Request::Optimize);
  EXPECT_EQ(fakes.memory.commits().size(), 207u);  // the target and two blocks more
  EXPECT_FALSE(w.visible());                       // the window stays where it was
  EXPECT_FALSE(w.Defragging);
}

TEST_F(ProgramTest, TheMainWindowIsOnScreenFromTheStartWhereRequestsComeToIt) {
  std::vector<const toolkit::Form*> viewed;
  program.application().setViewFactory([&](toolkit::Form& form) {
    viewed.push_back(&form);
    return std::shared_ptr<void>();
  });
  fakes.restoreChannel.onMainWindow = true;
  TfrmPrincipal& w = started();
  EXPECT_THAT(viewed, ElementsAre(&w));
  EXPECT_FALSE(w.visible());
}

TEST_F(ProgramTest, ElsewhereTheMainWindowGetsItsViewOnlyWhenFirstShown) {
  int views = 0;
  program.application().setViewFactory([&](toolkit::Form&) {
    ++views;
    return std::shared_ptr<void>();
  });
  started();
  EXPECT_EQ(views, 0);
}

TEST_F(ProgramTest, UnknownPlatformEndsBeforeAnyWindow) {
  fakes.systemInfo.family.reset();
  EXPECT_EQ(program.start(), 1);
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0].second, "Can't get the Windows version");
  EXPECT_TRUE(fakes.instanceGuard.claims.empty());
}

TEST_F(ProgramTest, UnhandledErrorsAreSilentAndPauseFifteenSecondsOnTheVirtualClock) {
  TfrmPrincipal& w = started();
  std::vector<std::string> order;
  w.TimerAutoRecover->setInterval(1000);
  w.TimerAutoRecover->setEnabled(true);
  w.TimerAutoRecover->OnTimer = [&](toolkit::Component&) {
    program.application().post([&] { order.push_back("pending message"); });
    throw toolkit::Error("boom");
  };
  const auto callsBefore = fakes.loop.processPendingCalls();
  fakes.loop.advance(1000);
  EXPECT_TRUE(fakes.messageBox.shown.empty());
  EXPECT_THAT(fakes.loop.pauses(), ElementsAre(15000u));
  EXPECT_GT(fakes.loop.processPendingCalls(), callsBefore);
  EXPECT_THAT(order, ElementsAre("pending message"));  // ran before the pause
  EXPECT_GE(fakes.loop.now(), 16000u);
}

TEST_F(ProgramTest, SessionEndAsksTheCloseQuestionThenEndsWithZeroWhateverTheAnswer) {
  TfrmPrincipal& w = started();
  std::vector<std::string> order;
  auto formCloseQuery = w.OnCloseQuery.handler();
  w.OnCloseQuery = [&](toolkit::Component& sender, bool& canClose) {
    formCloseQuery(sender, canClose);
    order.push_back(canClose ? "close accepted" : "close refused");
    canClose = false;  // a refusal does not keep the program alive past the session
  };
  w.OnDestroy = [&](toolkit::Component&) { order.push_back("destroy"); };
  program.application().post([&] { program.endSession(); });
  EXPECT_EQ(program.run(), 0);
  EXPECT_TRUE(fakes.loop.quitRequested());
  EXPECT_THAT(order, ElementsAre("close accepted", "destroy"));
}

TEST_F(ProgramTest, AMemoryBeyondThirtyTwoBitMegabytesStartsCompletelyWithTheStoredSettings) {
  constexpr std::uint64_t kPiB = kMiB * 1024 * 1024 * 1024;
  fakes.memory.setStatus({.memoryLoad = 25,
                          .totalPhysical = 4 * kPiB,
                          .availablePhysical = 3 * kPiB,
                          .totalPageFile = 4 * kPiB,
                          .availablePageFile = 3 * kPiB});
  fakes.fileStore.files[lumaro::testing::nativePath("/opt/lumaro/Lumaro.ini")] =
      "[TfrmPrincipal]\r\nchkboxBootidle_Checked=True\r\n";

  TfrmPrincipal& w = started();
  constexpr int kMax = std::numeric_limits<std::int32_t>::max();
  EXPECT_TRUE(w.chkboxBootidle->checked());
  EXPECT_TRUE(w.TimerBoot->enabled());
  EXPECT_EQ(w.TrkBarMinCache->max(), kMax);
  EXPECT_EQ(w.HeartMachine1->Max, kMax);
  EXPECT_EQ(w.TrkBarLiberar->max(), 1717986917);  // 80 % of it
  EXPECT_EQ(w.LEDDisplayMax->Value(), kMax);
  EXPECT_TRUE(fakes.loop.pauses().empty());

  fakes.processor.queue({1000}, 1000);
  fakes.loop.advance(500);
  EXPECT_EQ(w.LEDDisplay1->Value(), kMax);
  EXPECT_TRUE(fakes.loop.pauses().empty());
}

TEST_F(ProgramTest, ACloseRequestWhileAStartUpMessageIsUpIsTakenOnceTheStartIsComplete) {
  fakes.fileStore.writesBeforeFailure = 0;  // the first write of the settings file fails
  fakes.autostart.result = platform::Autostart::Result::FolderFailed;  // and a later step fails
  fakes.messageBox.onShow = [&](const std::string&) {
    fakes.fileStore.writesBeforeFailure = -1;
    program.endSession();
  };

  TfrmPrincipal& w = started();
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_TRUE(w.Timer1->enabled());  // the start-up went to its end
  EXPECT_TRUE(program.application().terminated());
  EXPECT_TRUE(fakes.loop.pauses().empty());  // an ending program holds nobody up
  const std::string& settings =
      fakes.fileStore.files.at(lumaro::testing::nativePath("/opt/lumaro/Lumaro.ini"));
  EXPECT_NE(settings.find("FormVersion=0"), std::string::npos);
  EXPECT_NE(settings.find("TrkBarLiberar_Position=204"), std::string::npos);

  const auto ticksBefore = fakes.processor.reads();
  EXPECT_EQ(program.run(), 0);
  EXPECT_EQ(fakes.processor.reads(), ticksBefore);  // no message loop ran
}

TEST_F(ProgramTest, QuitButtonClosesTheProgram) {
  TfrmPrincipal& w = started();
  w.QuitAllowed = false;
  w.btnFechar->click();
  EXPECT_TRUE(w.QuitAllowed);
  EXPECT_TRUE(program.application().terminated());
}

TEST_F(ProgramTest, RestoreRequestShowsTheWindowAndHideReturnsToTheFirstPage) {
  TfrmPrincipal& w = started();
  w.setWindowState(toolkit::WindowState::Minimized);
  fakes.restoreChannel.deliver();
  EXPECT_TRUE(w.visible());
  EXPECT_EQ(w.windowState(), toolkit::WindowState::Normal);

  w.PageControl1->userSelectPage(w.tabCache);
  w.SystemConfigChanged = true;
  w.hide();
  w.show();
  w.hide();
  EXPECT_EQ(w.PageControl1->activePage(), w.tabRam);
  ASSERT_EQ(fakes.messageBox.shown.size(), 2u);  // at every hide while the flag stays set
  EXPECT_EQ(
      fakes.messageBox.shown[0].second,
      "Você efetou mudanças na configuração do Windows\re estas mudanças iram vigorar da próxima vez que \ro "
      "windows for reiniciado");
}

TEST_F(ProgramTest, MachinesAbove4GiBKeepTruncatingFigures) {
  fakes.memory.setStatus({.totalPhysical = 16ull << 30, .availablePhysical = 9ull << 30});
  TfrmPrincipal& w = started();
  EXPECT_EQ(w.TotalMB(), 16384);
  EXPECT_EQ(w.TrkBarLiberar->max(), 13107);
  EXPECT_EQ(w.trkbarAutoLiberar->max(), 4096);
}

TEST_F(ProgramTest, AnUnreadableExecutablePathLeavesTheAutostartEntryAlone) {
  fakes.files.executable.clear();
  fakes.autostart.entries["Lumaro"] = "/opt/old/lumaro";
  TfrmPrincipal& w = started();
  EXPECT_TRUE(w.chkboxAutoRun->checked());
  EXPECT_TRUE(fakes.autostart.writes.empty());
  EXPECT_EQ(fakes.autostart.entries["Lumaro"], "/opt/old/lumaro");
  EXPECT_THAT(fakes.loop.pauses(), ElementsAre(15000u));  // the silent exception handler
  EXPECT_TRUE(fakes.messageBox.shown.empty());

  // The user's clicks, which reach the box inside the application's guard.
  const auto click = [&] { program.application().guarded([&] { w.chkboxAutoRun->click(); }); };
  click();  // unticked: an empty entry needs no path
  click();  // ticked again: the entry stays as the user last had it
  EXPECT_THAT(fakes.autostart.writes, ElementsAre(Pair("Lumaro", "")));
  EXPECT_TRUE(w.chkboxAutoRun->checked());
  EXPECT_THAT(fakes.loop.pauses(), ElementsAre(15000u, 15000u));
}

TEST_F(ProgramTest, TheSessionEndThatFollowsARestartStillSavesTheSettings) {
  TfrmPrincipal& w = started();
  w.TrkBarLiberar->setPosition(300);
  w.cmdRestartClick();
  EXPECT_THAT(fakes.sessionControl.calls, ElementsAre("privilege", "exit 6"));
  program.application().post([this] { program.endSession(); });  // the session ends the program
  EXPECT_EQ(program.run(), 0);
  EXPECT_THAT(fakes.fileStore.files[lumaro::testing::nativePath("/opt/lumaro/Lumaro.ini")],
              HasSubstr("TrkBarLiberar_Position=300\r\n"));
}

}  // namespace
}  // namespace lumaro::app
