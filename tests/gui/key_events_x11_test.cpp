// Synthetic key presses on a real X server (run on a private Xvfb by run_on_virtual_desktop.sh).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include "backends/linux/desktop/key_events.h"

namespace lumaro::platform::linuxos {
namespace {

using ::testing::ElementsAre;

class KeyRecorder : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
      const auto* key = static_cast<QKeyEvent*>(event);
      keys.push_back((event->type() == QEvent::KeyPress ? "down " : "up ") +
                     QKeySequence(key->key()).toString().toStdString());
    }
    return false;
  }
  std::vector<std::string> keys;
};

TEST(XcbKeyEventsOnX, EachKeyIsPressedAndReleasedInOrderAndNeverRepeats) {
  QWidget window;
  window.setGeometry(0, 0, 200, 100);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  KeyRecorder recorder;
  window.installEventFilter(&recorder);

  XcbKeyEvents keys;
  keys.pressKey(8);
  keys.pressKey(0x5F);
  // Long enough for the server's auto-repeat (500 ms by default) to show itself if a key stayed down.
  QTest::qWait(1500);
  EXPECT_THAT(recorder.keys, ElementsAre("down Backspace", "up Backspace", "down Sleep", "up Sleep"));
}

}  // namespace
}  // namespace lumaro::platform::linuxos
