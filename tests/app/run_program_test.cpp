#include "app/program/run_program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/program/program.h"
#include "backends/fake/fake_services.h"

namespace lumaro::app {
namespace {

using ::testing::ElementsAre;

// Writes a line to the log when it goes: stands for a view or a watch that the program keeps.
struct Kept {
  Kept(std::vector<std::string>& log, std::string line) : log(log), line(std::move(line)) {}
  ~Kept() { log.push_back(line); }
  std::vector<std::string>& log;
  std::string line;
};

struct RecordingWatch final : SessionEndWatch {
  explicit RecordingWatch(std::vector<std::string>& log) : gone(log, "watch gone") {}
  void ignoreLaterRequests() override { gone.log.push_back("later requests ignored"); }
  Kept gone;
};

// A backend over the fakes that logs what the program asks of it.
class RecordingBackend final : public ProgramBackend {
 public:
  RecordingBackend() {
    fakes.memory.setStatus({.memoryLoad = 40, .totalPhysical = 512 * 1024 * 1024});
    fakes.processor.queue({0}, 0);
  }
  platform::Services services() override { return fakes.services(); }
  std::shared_ptr<void> formView(toolkit::Form& form, toolkit::Application&) override {
    log.push_back("view of " + form.name());
    return std::make_shared<Kept>(log, "view of " + form.name() + " gone");
  }
  std::shared_ptr<void> drawnMenuView(toolkit::PopupMenu& menu, toolkit::DrawnMenu&,
                                      toolkit::Application&) override {
    log.push_back("view of " + menu.name());
    if (whileRunning) fakes.loop.post(whileRunning);
    return std::make_shared<Kept>(log, "view of " + menu.name() + " gone");
  }
  std::unique_ptr<SessionEndWatch> watchSessionEnd(std::function<void()> onRequest) override {
    log.push_back(fakes.instanceGuard.claims.empty() ? "watch before the start" : "watch");
    endSession = std::move(onRequest);
    return std::make_unique<RecordingWatch>(log);
  }
  void dismissMessageBoxes() override { log.push_back("boxes dismissed"); }

  platform::fake::FakeServices fakes;
  std::vector<std::string> log;
  std::function<void()> endSession;
  std::function<void()> whileRunning;
};

TEST(RunProgram, TheSessionEndsTheRunWithItsViewsInPlaceAndLaterRequestsChangeNothing) {
  RecordingBackend backend;
  backend.whileRunning = [&] {
    backend.fakes.restoreChannel.deliver();  // another copy shows the main window
    backend.endSession();
  };
  EXPECT_EQ(runProgram(backend), 0);
  EXPECT_THAT(backend.log,
              ElementsAre("watch before the start", "view of popupTrayicon", "view of frmPrincipal",
                          "boxes dismissed", "view of popupTrayicon gone", "later requests ignored",
                          "watch gone", "view of frmPrincipal gone"));
}

TEST(RunProgram, ARequestWhileAStartUpMessageIsUpEndsTheProgramWithoutItsLoop) {
  RecordingBackend backend;
  backend.fakes.fileStore.writesBeforeFailure = 0;  // the first write of the settings file fails
  backend.fakes.messageBox.onShow = [&](const std::string&) {
    backend.fakes.fileStore.writesBeforeFailure = -1;
    backend.endSession();
  };
  EXPECT_EQ(runProgram(backend), 0);
  EXPECT_EQ(backend.fakes.processor.reads(), 0);  // no timer ever ticked
  EXPECT_THAT(backend.log, ElementsAre("watch before the start", "boxes dismissed", "view of popupTrayicon",
                                       "view of popupTrayicon gone", "later requests ignored", "watch gone"));
}

TEST(RunProgram, AnotherCopyEndsTheProgramBeforeAnythingIsShown) {
  RecordingBackend backend;
  backend.fakes.instanceGuard.heldElsewhere.insert(kInstanceName);
  EXPECT_EQ(runProgram(backend), 0);
  EXPECT_THAT(backend.fakes.messageBox.shown, ElementsAre(std::pair{"Lumaro", kAlreadyRunning}));
  EXPECT_THAT(backend.log, ElementsAre("watch before the start", "later requests ignored", "watch gone"));
}

}  // namespace
}  // namespace lumaro::app
