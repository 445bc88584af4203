#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backends/fake/fake_event_loop.h"
#include "backends/fake/fake_system.h"
#include "toolkit/core/application.h"
#include "toolkit/core/error.h"
#include "toolkit/core/form.h"
#include "toolkit/core/timer.h"

namespace lumaro::toolkit {
namespace {

using ::testing::ElementsAre;

class ApplicationTest : public ::testing::Test {
 protected:
  ApplicationTest() { app.setTitle("Lumaro"); }
  platform::fake::FakeEventLoop loop;
  platform::fake::FakeMessageBox box;
  Application app{loop, box};
};

TEST_F(ApplicationTest, ErrorsGoToTheHandlerOrToAMessageBox) {
  app.guarded([] { throw Error("Unable to write to x"); });
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(box.shown[0], std::make_pair(std::string("Lumaro"), std::string("Unable to write to x")));

  std::vector<std::string> handled;
  app.setOnException([&](const std::exception& e) { handled.push_back(e.what()); });
  app.guarded([] { throw Error("later"); });
  app.guarded([] { throw Abort(); });  // the silent kind
  app.guarded([] { throw 42; });
  EXPECT_THAT(handled, ElementsAre("later", "Unknown error"));
  EXPECT_EQ(box.shown.size(), 1u);
}

TEST_F(ApplicationTest, TimersFireWhileEnabledAndTheirErrorsAreGuarded) {
  Timer timer(nullptr, app);
  timer.setEnabled(false);
  timer.setInterval(500);
  int ticks = 0;
  timer.OnTimer = [&](Component&) {
    ++ticks;
    if (ticks == 2) throw Error("tick failed");
  };
  std::vector<std::string> handled;
  app.setOnException([&](const std::exception& e) { handled.push_back(e.what()); });
  loop.advance(2000);
  EXPECT_EQ(ticks, 0);
  timer.setEnabled(true);
  loop.advance(1600);
  EXPECT_EQ(ticks, 3);
  EXPECT_THAT(handled, ElementsAre("tick failed"));
  timer.setInterval(1000);  // restarts the count
  loop.advance(900);
  EXPECT_EQ(ticks, 3);
  loop.advance(100);
  EXPECT_EQ(ticks, 4);
  timer.setInterval(0);
  EXPECT_EQ(loop.activeTimerCount(), 0u);
}

TEST_F(ApplicationTest, PostedMessagesRunInOrderInsideTheGuard) {
  std::vector<int> order;
  app.setOnException([&](const std::exception&) { order.push_back(-1); });
  app.post([&] { order.push_back(1); });
  app.post([&] { throw Error("x"); });
  app.post([&] { order.push_back(2); });
  app.processMessages();
  EXPECT_THAT(order, ElementsAre(1, -1, 2));
}

TEST_F(ApplicationTest, ClosingTheMainFormEndsTheApplicationWhenAccepted) {
  Form main(nullptr, app), other(nullptr, app);
  app.setMainForm(&main);
  bool allow = false;
  main.OnCloseQuery = [&](Component&, bool& canClose) { canClose = allow; };
  main.close();
  EXPECT_FALSE(app.terminated());
  allow = true;
  main.close();
  EXPECT_TRUE(app.terminated());
  EXPECT_TRUE(loop.quitRequested());
  EXPECT_EQ(loop.exitCode(), 0);

  other.show();
  other.close();  // any other form just hides
  EXPECT_FALSE(other.visible());
}

TEST_F(ApplicationTest, AFormCentredOnASmallerAreaKeepsItsTitleInside) {
  Form form(nullptr, app);
  form.setBounds({0, 0, 405, 405});
  form.centerOn({0, 0, 1280, 760});
  EXPECT_EQ(form.bounds(), (Bounds{437, 177, 405, 405}));
  form.centerOn({0, 20, 640, 380});  // a dense screen: half the size, a panel at the top
  EXPECT_EQ(form.bounds(), (Bounds{117, 20, 405, 405}));
  form.centerOn({40, 0, 400, 800});
  EXPECT_EQ(form.bounds(), (Bounds{40, 197, 405, 405}));
}

TEST_F(ApplicationTest, FormShowHideAndDestroyNotifications) {
  Form form(nullptr, app);
  std::vector<std::string> trace;
  form.OnShow = [&](Component&) { trace.push_back("show"); };
  form.OnHide = [&](Component&) { trace.push_back("hide"); };
  form.OnDestroy = [&](Component&) { trace.push_back("destroy"); };
  EXPECT_FALSE(form.visible());
  form.doShow();  // the notification alone
  EXPECT_FALSE(form.visible());
  form.show();
  form.show();
  form.hide();
  form.beforeDestruction();
  form.beforeDestruction();
  EXPECT_THAT(trace, ElementsAre("show", "show", "hide", "destroy"));
}

TEST_F(ApplicationTest, AFormGetsItsViewWhenFirstShownAndLosesItBeforeItsControlsGo) {
  std::vector<std::string> events;
  app.setViewFactory([&](Form& form) {
    events.push_back("view of " + form.name());
    return std::shared_ptr<void>(nullptr, [&events](void*) { events.push_back("view released"); });
  });
  {
    auto form = std::make_unique<Form>(nullptr, app);
    form->setName("frmAntiCrash");
    form->show();
    form->hide();
    form->show();
    EXPECT_THAT(events, ElementsAre("view of frmAntiCrash"));
    form.reset();
  }
  EXPECT_THAT(events, ElementsAre("view of frmAntiCrash", "view released"));
}

TEST_F(ApplicationTest, CreationErrorsStopAtTheFailingStep) {
  Form form(nullptr, app);
  std::vector<int> steps;
  form.OnCreate = [&](Component&) {
    steps.push_back(1);
    throw Error("'x' is not a valid integer value");
    steps.push_back(2);
  };
  form.doCreate();
  EXPECT_THAT(steps, ElementsAre(1));
  ASSERT_EQ(box.shown.size(), 1u);
  EXPECT_EQ(box.shown[0].second, "'x' is not a valid integer value");
}

}  // namespace
}  // namespace lumaro::toolkit
