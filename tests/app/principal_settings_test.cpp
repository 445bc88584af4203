// The main window with its settings file, the start with the desktop and the tray's system commands.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/program/program.h"
#include "backends/fake/fake_services.h"
#include "native_path.h"

namespace lumaro::app {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Pair;

constexpr std::uint64_t kMiB = 1024 * 1024;
const std::string kIni = lumaro::testing::nativePath("/opt/lumaro/Lumaro.ini");
const std::string kUserIni = lumaro::testing::nativePath("/home/user/.config/lumaro/Lumaro.ini");
const std::string kExe = lumaro::testing::nativePath("/opt/lumaro/lumaro");

class PrincipalSettingsTest : public ::testing::Test {
 protected:
  PrincipalSettingsTest() {
    fakes.memory.setStatus({.memoryLoad = 40, .totalPhysical = 512 * kMiB, .availablePhysical = 300 * kMiB});
    fakes.processor.queue({0}, 0);
  }
  TfrmPrincipal& started() {
    EXPECT_EQ(program.start(), std::nullopt);
    return program.mainWindow();
  }
  void stored(const std::string& lines) { fakes.fileStore.files[kIni] = "[TfrmPrincipal]\r\n" + lines; }
  const std::string& file(const std::string& path = kIni) { return fakes.fileStore.files[path]; }

  platform::fake::FakeServices fakes;
  platform::Services services = fakes.services();
  Program program{services};
};

TEST_F(PrincipalSettingsTest, FirstStartWritesTheSectionAndTheIconColourAndTheAutostartEntry) {
  started();
  EXPECT_EQ(file(), "[TfrmPrincipal]\r\nICONE=0\r\n");
  EXPECT_THAT(fakes.autostart.writes, ElementsAre(Pair("Lumaro", kExe)));
  EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_F(PrincipalSettingsTest, ExitSavesTheVersionThenTheListInOrder) {
  started();
  program.application().post([this] { program.endSession(); });
  EXPECT_EQ(program.run(), 0);
  EXPECT_EQ(
      file(),
      "[TfrmPrincipal]\r\nICONE=0\r\nFormVersion=0\r\n"
      "chkboxAutoRecover_Checked=True\r\nchkboxAutoRecoverTime_Checked=False\r\n"
      "chkboxAutoRun_Checked=True\r\nchkboxBootidle_Checked=False\r\nchkboxRecoverCPUusage_Checked=False\r\n"
      "chkboxShortCut_Checked=True\r\nchkboxVisualBar_Checked=False\r\nchkboxCPUidle_Checked=False\r\n"
      "chkboxForceRam_Checked=False\r\nchkboxCache_Checked=False\r\nchkboxCacheRemov_Checked=False\r\n"
      "RadioButton1_Checked=False\r\nRadioButton2_Checked=True\r\nRadioButton3_Checked=False\r\n"
      "RadioButton4_Checked=False\r\nRxSpinAutoRecoverTime_Value=90\r\nRxSpinRecoverCPUusage_Value=25\r\n"
      "cbHotKey_Text=Ctrl+Alt+M\r\nTrkBarLiberar_Position=204\r\ntrkbarAutoLiberar_Position=127\r\n"
      "TrkBarDMABuffers_Position=0\r\nTrkBarPageBuffers_Position=1\r\nTrkBarMaxCache_Position=0\r\n"
      "TrkBarMinCache_Position=0\r\nTrkBarBlockCache_Position=1\r\nchkboxAntiCrash_Checked=False\r\n"
      "RxSpinAntiCrash_Value=15\r\n");
}

TEST_F(PrincipalSettingsTest, AStartWithoutAReadableTotalLeavesTheStoredMemorySlidersAsTheyWere) {
  fakes.memory.setStatus({});
  const std::string sliders =
      "TrkBarLiberar_Position=100\r\ntrkbarAutoLiberar_Position=50\r\nTrkBarMaxCache_Position=300\r\n"
      "TrkBarMinCache_Position=200\r\n";
  stored(sliders + "RadioButton4_Checked=True\r\n");
  TfrmPrincipal& w = started();
  EXPECT_TRUE(w.RadioButton4->checked());  // everything else loads as ever
  program.application().post([this] { program.endSession(); });
  EXPECT_EQ(program.run(), 0);
  EXPECT_THAT(file(), HasSubstr("[TfrmPrincipal]\r\n" + sliders));
  EXPECT_THAT(file(), HasSubstr("FormVersion=0\r\n"));
  EXPECT_EQ(file().find("Liberar_Position=0"), std::string::npos);
}

TEST_F(PrincipalSettingsTest, StoredValuesReachTheControlsAndTheirHandlersAtStart) {
  stored(
      "ICONE=1\r\nchkboxAutoRun_Checked=False\r\nRadioButton4_Checked=True\r\nRxSpinAutoRecoverTime_Value=2."
      "5\r\n"
      "cbHotKey_Text=Shift+Alt+F5\r\nTrkBarLiberar_Position=100\r\nTrkBarMinCache_Position=600\r\n"
      "chkboxAntiCrash_Checked=True\r\n");
  TfrmPrincipal& w = started();
  // The path is written first from the window definition's checked box, then the load unchecks it.
  EXPECT_THAT(fakes.autostart.writes, ElementsAre(Pair("Lumaro", kExe), Pair("Lumaro", "")));
  EXPECT_FALSE(w.chkboxAutoRun->checked());
  EXPECT_EQ(w.cbIconColor->itemIndex(), 1);
  EXPECT_TRUE(w.RadioButton4->checked());
  EXPECT_FALSE(w.RadioButton2->checked());
  EXPECT_EQ(w.RxSpinAutoRecoverTime->value(), 2.5);  // the fake's locale writes a comma
  EXPECT_EQ(w.cbHotKey->text(), "Shift+Alt+F5");
  EXPECT_EQ(w.TrkBarLiberar->position(), 100);
  EXPECT_EQ(w.TrkBarMinCache->position(), 512);  // clamped to this machine's memory
  EXPECT_TRUE(w.chkboxAntiCrash->checked());     // stored True checks the hidden box again
  EXPECT_FALSE(w.chkboxAntiCrash->visible());
  EXPECT_FALSE(w.SystemConfigChanged);
  EXPECT_THAT(file(), HasSubstr("ICONE=1\r\n"));
}

TEST_F(PrincipalSettingsTest, AnIconColourThatIsNotANumberCountsAsTheFirstAndTheStartGoesOn) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"ICONE=abc\r\n", "0"}, {"ICONE=\r\n", "0"}, {"ICONE=2\r\n", "2"}, {"ICONE=7\r\n", "-1"}, {"", "0"}};
  for (const auto& [line, written] : cases) {
    platform::fake::FakeServices each;
    each.memory.setStatus({.totalPhysical = 512 * kMiB});
    each.fileStore.files[kIni] = "[TfrmPrincipal]\r\n" + line;
    platform::Services s = each.services();
    Program p(s);
    ASSERT_EQ(p.start(), std::nullopt);
    EXPECT_EQ(p.mainWindow().cbIconColor->itemIndex(), std::stoi(written)) << line;
    EXPECT_EQ(each.fileStore.files[kIni], "[TfrmPrincipal]\r\nICONE=" + written + "\r\n") << line;
    EXPECT_TRUE(p.mainWindow().Timer1->enabled()) << line;
    EXPECT_TRUE(each.messageBox.shown.empty()) << line;
  }
}

TEST_F(PrincipalSettingsTest, AReadOnlyProgramFolderKeepsTheSettingsInTheUsersFolder) {
  fakes.fileStore.readOnlyFolders.insert(lumaro::testing::nativePath("/opt/lumaro"));
  stored("TrkBarLiberar_Position=100\r\n");  // a copy beside a read-only program is not read
  TfrmPrincipal& w = started();
  EXPECT_EQ(w.FormStorage1->IniFileName, kUserIni);
  EXPECT_EQ(file(kUserIni), "[TfrmPrincipal]\r\nICONE=0\r\n");
  EXPECT_EQ(w.TrkBarLiberar->position(), 204);
}

TEST_F(PrincipalSettingsTest, AnUnreadableSettingsFileIsReportedAsUnreadableAndKept) {
  stored("TrkBarLiberar_Position=100\r\n");
  fakes.fileStore.unreadable.insert(kIni);
  TfrmPrincipal& w = started();
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0].second, std::string("Unable to read ") + kIni);
  EXPECT_TRUE(w.Timer1->enabled());
  EXPECT_EQ(fakes.fileStore.writes, 0);
}

TEST_F(PrincipalSettingsTest, AnUnwritableSettingsFileIsReportedAndTheStartGoesOn) {
  fakes.fileStore.readOnlyFolders = {lumaro::testing::nativePath("/opt/lumaro"),
                                     lumaro::testing::nativePath("/home/user/.config/lumaro")};
  TfrmPrincipal& w = started();
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0].second, std::string("Unable to write to ") + kUserIni);
  EXPECT_TRUE(w.Timer1->enabled());

  // At the exit the failure goes to the silent exception handler and the program still ends.
  w.btnFechar->click();
  EXPECT_TRUE(program.application().terminated());
  EXPECT_THAT(fakes.loop.pauses(), ElementsAre(15000u));
  EXPECT_EQ(fakes.messageBox.shown.size(), 1u);
}

TEST_F(PrincipalSettingsTest, AnAutostartFailureAtStartIsSilentAndTheStartGoesOn) {
  fakes.autostart.result = platform::Autostart::Result::FolderFailed;
  stored("TrkBarLiberar_Position=100\r\n");
  TfrmPrincipal& w = started();
  EXPECT_TRUE(fakes.messageBox.shown.empty());
  EXPECT_THAT(fakes.loop.pauses(), ElementsAre(15000u));
  EXPECT_EQ(w.TrkBarLiberar->position(), 100);
  EXPECT_TRUE(w.Timer1->enabled());
}

TEST_F(PrincipalSettingsTest, AfterAHideShowsDoNotReloadAndTheExitStillSaves) {
  TfrmPrincipal& w = started();
  w.WMRestoreRequest();  // shown while Active: reloads the values the controls already have
  EXPECT_EQ(w.TrkBarLiberar->position(), 204);
  w.hide();
  w.TrkBarLiberar->setPosition(300);
  w.WMRestoreRequest();
  EXPECT_EQ(w.TrkBarLiberar->position(), 300);  // not reloaded over the user's change
  w.hide();
  w.btnFechar->click();
  EXPECT_THAT(file(), HasSubstr("TrkBarLiberar_Position=300\r\n"));
}

TEST_F(PrincipalSettingsTest, UserChoicesOfAutoRunAndIconColourAreWrittenAtOnce) {
  TfrmPrincipal& w = started();
  w.chkboxAutoRun->click();
  w.chkboxAutoRun->click();
  EXPECT_THAT(fakes.autostart.writes,
              ElementsAre(Pair("Lumaro", kExe), Pair("Lumaro", ""), Pair("Lumaro", kExe)));
  w.cbIconColor->userSelect(2);
  EXPECT_EQ(file(), "[TfrmPrincipal]\r\nICONE=2\r\n");
}

TEST_F(PrincipalSettingsTest, TrayCommandsCallThePlatformInOrderAndSaveNothing) {
  TfrmPrincipal& w = started();
  const std::string before = file();
  w.cmdRestartClick();
  w.cmdShutdownClick();
  w.cmdSuspendClick();
  w.LimparClipboard1Click();
  EXPECT_THAT(fakes.sessionControl.calls, ElementsAre("privilege", "exit 6", "privilege", "exit 13"));
  EXPECT_THAT(fakes.keyEvents.pressed, ElementsAre(8, 0x5F));
  EXPECT_EQ(fakes.clipboard.clears, 1);
  EXPECT_EQ(file(), before);
  EXPECT_TRUE(fakes.messageBox.shown.empty());
}

}  // namespace
}  // namespace lumaro::app
