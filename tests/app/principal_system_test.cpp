// The start with the desktop and the tray's session commands, through the main window's handlers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/program.h"
#include "platform/fake/fake_services.h"

namespace lumaro::app {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Pair;

constexpr std::uint64_t kMiB = 1024 * 1024;

class PrincipalSystemTest : public ::testing::Test {
 protected:
  PrincipalSystemTest() {
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

TEST_F(PrincipalSystemTest, AnUnreadableExecutablePathLeavesTheAutostartEntryAlone) {
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

TEST_F(PrincipalSystemTest, TheSessionEndThatFollowsARestartStillSavesTheSettings) {
  TfrmPrincipal& w = started();
  w.TrkBarLiberar->setPosition(300);
  w.cmdRestartClick();
  EXPECT_THAT(fakes.sessionControl.calls, ElementsAre("privilege", "exit 6"));
  program.application().post([this] { program.endSession(); });  // the session ends the program
  EXPECT_EQ(program.run(), 0);
  EXPECT_THAT(fakes.fileStore.files["/opt/lumaro/Lumaro.ini"], HasSubstr("TrkBarLiberar_Position=300\r\n"));
}

}  // namespace
}  // namespace lumaro::app
