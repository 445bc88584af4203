// The tuning pages of the main window and their way into "system.ini" and the registry.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/program/program.h"
#include "backends/fake/fake_services.h"
#include "native_path.h"

namespace lumaro::app {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using Launch = platform::fake::FakeProcessLauncher::Launch;

constexpr std::uint64_t kMiB = 1024 * 1024;
const std::string kWindows = lumaro::testing::nativePath("/home/user/.local/share/lumaro/windows");
const std::string kSystemIni =
    lumaro::testing::nativePath("/home/user/.local/share/lumaro/windows/system.ini");
const std::string kSettings = lumaro::testing::nativePath("/opt/lumaro/Lumaro.ini");
constexpr const char* kPaging =
    "System\\CurrentControlSet\\Control\\Session Manager\\Memory Management\\DisablePagingExecutive";
constexpr const char* kIdle = "System\\CurrentControlSet\\control\\CPUIdle\\idle";
constexpr const char* kTuned = "O Lumaro ajustou seu windows para o melhor optimização.";
constexpr const char* kDefaults = "Você restaurou os valores para a configuração padrão do windows.";
constexpr const char* kRestartNotice =
    "Você efetou mudanças na configuração do Windows\re estas mudanças iram vigorar da próxima vez que \ro "
    "windows for reiniciado";

// One machine with the whole program on fakes.
struct Machine {
  explicit Machine(std::uint64_t megabytes = 512, int family = platform::kFamilyNt) {
    fakes.memory.setStatus(
        {.memoryLoad = 40, .totalPhysical = megabytes * kMiB, .availablePhysical = 64 * kMiB});
    fakes.processor.queue({0}, 0);
    fakes.systemInfo.family = family;
  }
  TfrmPrincipal& start() {
    EXPECT_EQ(program.start(), std::nullopt);
    return program.mainWindow();
  }
  std::vector<std::string> messages() const {
    std::vector<std::string> texts;
    for (const auto& [caption, text] : fakes.messageBox.shown) texts.push_back(text);
    return texts;
  }
  std::string& file(const std::string& path) { return fakes.fileStore.files[path]; }
  // A click as the user makes it: through the guard every dispatched handler runs in.
  void click(toolkit::Control* control) {
    program.application().guarded([control] { control->click(); });
  }

  platform::fake::FakeServices fakes;
  platform::Services services = fakes.services();
  Program program{services};
};

std::vector<std::string> captions(std::initializer_list<const toolkit::Control*> controls) {
  std::vector<std::string> texts;
  for (const auto* control : controls) texts.push_back(control->caption());
  return texts;
}

TEST(Tuning, CacheSlidersFollowTheBoxAndTheMinimumSnapsToASetMaximum) {
  Machine m;
  TfrmPrincipal& w = m.start();
  EXPECT_FALSE(w.TrkBarMinCache->enabled());
  EXPECT_FALSE(w.SystemConfigChanged);

  w.chkboxCache->click();
  EXPECT_TRUE(w.TrkBarMinCache->enabled() && w.TrkBarMaxCache->enabled() && w.TrkBarBlockCache->enabled());
  w.TrkBarMaxCache->setPosition(10);
  w.TrkBarMinCache->setPosition(20);
  EXPECT_EQ(w.TrkBarMinCache->position(), 10);
  w.TrkBarMaxCache->setPosition(0);  // not set: no limit
  w.TrkBarMinCache->setPosition(20);
  w.TrkBarBlockCache->setPosition(16);
  w.TrkBarPageBuffers->setPosition(2);
  w.TrkBarDMABuffers->setPosition(5);
  EXPECT_THAT(captions({w.txtMinCache, w.txtMaxCache, w.txtBlockCache, w.txtPageBuffers, w.txtDMABuffers}),
              ElementsAre("20 M", "0 M", "8192 bytes", "8 K", "5 K"));

  w.chkboxCache->click();
  EXPECT_FALSE(w.TrkBarMinCache->enabled());
  EXPECT_THAT(captions({w.txtMinCache, w.txtMaxCache, w.txtBlockCache}),
              ElementsAre("0 M", "0 M", "512 bytes"));
  EXPECT_TRUE(m.messages().empty());
}

TEST(Tuning, CacheBestFollowsTheMachinesMemoryAndDefaultUndoesIt) {
  struct Case {
    std::uint64_t megabytes;
    int oldMaximum;
    std::vector<std::string> labels;
  };
  // With 32 MB or less the maximum stays unset; an old maximum below the new minimum does not hold it.
  for (const Case& c :
       {Case{256, 0, {"16 M", "64 M", "8192 bytes"}}, Case{32, 0, {"2 M", "0 M", "8192 bytes"}},
        Case{512, 10, {"32 M", "128 M", "8192 bytes"}}}) {
    Machine m(c.megabytes);
    TfrmPrincipal& w = m.start();
    w.chkboxCache->click();
    w.TrkBarMaxCache->setPosition(c.oldMaximum);
    w.btnCacheBest->click();
    EXPECT_THAT(captions({w.txtMinCache, w.txtMaxCache, w.txtBlockCache}), c.labels) << c.megabytes;
    EXPECT_TRUE(w.chkboxCache->checked() && w.chkboxCacheRemov->checked());
    EXPECT_THAT(m.messages(), ElementsAre(kTuned));

    w.btnCacheDefault->click();
    EXPECT_FALSE(w.chkboxCache->checked() || w.chkboxCacheRemov->checked() || w.TrkBarMinCache->enabled());
    EXPECT_THAT(captions({w.txtMinCache, w.txtMaxCache, w.txtBlockCache}),
                ElementsAre("0 M", "0 M", "512 bytes"));
    EXPECT_EQ(m.messages().size(), 1u);  // the default button says nothing
  }
}

TEST(Tuning, AjusteFinoButtonsSetTheBuffersAndAChangeOnlyWhenThereIsOne) {
  Machine m;
  TfrmPrincipal& w = m.start();
  w.btnAjusteFinoDefault->click();  // everything is at its default already
  EXPECT_FALSE(w.SystemConfigChanged);
  w.btnAjustaFinoBest->click();
  EXPECT_TRUE(w.SystemConfigChanged);
  EXPECT_TRUE(w.chkboxForceRam->checked());
  EXPECT_THAT(captions({w.txtDMABuffers, w.txtPageBuffers}), ElementsAre("64 K", "128 K"));
  w.btnAjusteFinoDefault->click();
  EXPECT_FALSE(w.chkboxForceRam->checked());
  EXPECT_THAT(captions({w.txtDMABuffers, w.txtPageBuffers}), ElementsAre("0 K", "4 K"));
  EXPECT_THAT(m.messages(), ElementsAre(kDefaults, kTuned, kDefaults));
}

TEST(Tuning, TheCloseWritesEveryControlIntoItsKey) {
  Machine m(512, platform::kFamily9x);
  // Keys another tool left there are rewritten from the controls in their places.
  m.file(kSystemIni) = "[vcache]\r\nMaxFileCache=4\r\n[386enh]\r\nDMABufferSize=2\r\nPageBuffers=8\r\n";
  TfrmPrincipal& w = m.start();
  w.chkboxCache->click();
  w.TrkBarMaxCache->setPosition(32);
  w.TrkBarMinCache->setPosition(8);
  w.TrkBarBlockCache->setPosition(16);
  w.btnAjustaFinoBest->click();
  w.btnFechar->click();
  EXPECT_TRUE(m.program.application().terminated());
  EXPECT_EQ(m.file(kSystemIni),
            "[vcache]\r\nMaxFileCache=32768\r\nMinFileCache=8192\r\nChunkSize=8192\r\n"
            "[386enh]\r\nDMABufferSize=64\r\nPageBuffers=128\r\nConservativeSwapfileUsage=1\r\n");
  EXPECT_THAT(m.fakes.registry.writes, IsEmpty());
}

TEST(Tuning, WithoutAChangeSinceTheStartNothingIsWrittenOrAnnounced) {
  Machine m;
  // Stored values apply at the start without counting as a change; LF line ends would not survive a write.
  m.file(kSettings) =
      "[TfrmPrincipal]\r\nchkboxCache_Checked=True\r\nTrkBarMaxCache_Position=900\r\nTrkBarMinCache_Position="
      "20\r\n"
      "TrkBarDMABuffers_Position=9\r\n";
  m.file(kSystemIni) = "[vcache]\nMinFileCache=1\n";
  TfrmPrincipal& w = m.start();
  EXPECT_EQ(w.TrkBarMaxCache->position(), 512);  // clamped to this machine's memory
  EXPECT_EQ(w.TrkBarMinCache->position(), 20);
  EXPECT_TRUE(w.TrkBarMinCache->enabled());
  w.show();
  w.hide();
  w.btnFechar->click();
  EXPECT_TRUE(m.program.application().terminated());
  EXPECT_EQ(m.file(kSystemIni), "[vcache]\nMinFileCache=1\n");
  EXPECT_THAT(m.fakes.registry.writes, IsEmpty());
  EXPECT_TRUE(m.messages().empty());
}

TEST(Tuning, TheRemovableBoxAloneSetsTheFlagSoHidesAnnounceAndTheCloseRewrites) {
  Machine m;
  m.file(kSystemIni) = "[386enh]\r\nPageBuffers=8\r\n";
  TfrmPrincipal& w = m.start();
  w.chkboxCacheRemov->click();
  w.show();
  w.hide();
  w.show();
  w.hide();
  EXPECT_THAT(m.messages(), ElementsAre(kRestartNotice, kRestartNotice));
  w.btnFechar->click();
  EXPECT_EQ(m.file(kSystemIni), "[386enh]\r\n");
  EXPECT_THAT(m.fakes.registry.writes, ElementsAre(std::string(kPaging) + "=0"));
}

TEST(Tuning, AFailedWriteKeepsTheProgramOnItsOwnCloseButNotAtTheSessionsEnd) {
  for (const bool registryFails : {true, false}) {
    Machine m;
    m.fakes.registry.failing = registryFails;
    if (!registryFails) m.fakes.fileStore.readOnlyFolders.insert(kWindows);
    TfrmPrincipal& w = m.start();
    w.show();
    w.TrkBarDMABuffers->setPosition(8);
    w.hide();  // later shows keep the user's changes: the store is no longer active
    m.click(w.btnFechar);
    EXPECT_FALSE(m.program.application().terminated());
    EXPECT_THAT(m.fakes.loop.pauses(), ElementsAre(15000u));  // silent, through the exception handler
    EXPECT_THAT(m.messages(), ElementsAre(kRestartNotice));   // from the hide; the failure is silent
    EXPECT_TRUE(w.SystemConfigChanged);
    EXPECT_THAT(m.file(kSettings), Not(HasSubstr("FormVersion")));

    // The end of the session asks the same question, and the program ends at once whatever happens,
    // keeping the user's settings.
    m.program.application().post([&m] { m.program.endSession(); });
    EXPECT_EQ(m.program.run(), 0);
    EXPECT_TRUE(m.fakes.loop.quitRequested());
    EXPECT_THAT(m.fakes.loop.pauses(), ElementsAre(15000u));  // the session does not wait for a pause
    EXPECT_THAT(m.file(kSettings), HasSubstr("TrkBarDMABuffers_Position=8"));
  }

  // Once the write can be done, the next close request completes.
  Machine m;
  m.fakes.registry.failing = true;
  TfrmPrincipal& w = m.start();
  w.chkboxForceRam->click();
  m.click(w.btnFechar);
  m.fakes.registry.failing = false;
  m.click(w.btnFechar);
  EXPECT_TRUE(m.program.application().terminated());
  EXPECT_THAT(m.fakes.registry.writes, ElementsAre(std::string(kPaging) + "=1"));
  EXPECT_THAT(m.file(kSettings), HasSubstr("chkboxForceRam_Checked=True"));
}

TEST(Tuning, TheIdleSwitchIsWrittenAtOnceAndAtEveryStartWhileStoredOn) {
  Machine m;
  m.file(kSettings) = "[TfrmPrincipal]\r\nchkboxCPUidle_Checked=True\r\n";
  TfrmPrincipal& w = m.start();
  EXPECT_THAT(m.fakes.registry.writes, ElementsAre(std::string(kIdle) + "=1"));
  w.chkboxCPUidle->click();
  EXPECT_THAT(m.fakes.registry.writes, ElementsAre(std::string(kIdle) + "=1", std::string(kIdle) + "=0"));
  EXPECT_FALSE(w.SystemConfigChanged);

  m.fakes.registry.failing = true;
  m.program.application().guarded([&] { w.chkboxCPUidle->click(); });
  EXPECT_TRUE(w.chkboxCPUidle->checked());  // keeps its new state
  EXPECT_THAT(m.fakes.loop.pauses(), ElementsAre(15000u));
}

TEST(Tuning, TheMaintenanceButtonIsDecidedAtTheStartAndRunsTheQuotedProgram) {
  Machine without;
  TfrmPrincipal& hidden = without.start();
  without.fakes.files.existing.insert(
      lumaro::testing::nativePath("/home/user/.local/share/lumaro/windows/tuneup.exe"));  // too late
  EXPECT_FALSE(hidden.btnTuneUp->visible());

  Machine m;
  m.fakes.files.windowsDir = "/home/ana maria/Windows";
  m.fakes.files.existing.insert(lumaro::testing::nativePath("/home/ana maria/Windows/tuneup.exe"));
  TfrmPrincipal& w = m.start();
  EXPECT_TRUE(w.btnTuneUp->visible());
  w.btnTuneUp->click();
  m.fakes.launcher.canStart = false;
  w.btnTuneUp->click();  // a program that does not start is not reported
  const Launch run{'"' + lumaro::testing::nativePath("/home/ana maria/Windows/tuneup.exe") + '"',
                   lumaro::testing::nativePath("/home/ana maria/Windows/"), 5};
  EXPECT_THAT(m.fakes.launcher.launches, ElementsAre(run, run));
  EXPECT_TRUE(m.messages().empty());
  EXPECT_FALSE(w.SystemConfigChanged);
}

}  // namespace
}  // namespace lumaro::app
