#include "platform/linux/qt/local_restore_channel.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>

namespace lumaro::platform::qt {
namespace {

class LocalRestoreChannelTest : public ::testing::Test {
 protected:
  void listen() {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(listener_.listen("LUMARO2", [this] { ++requests_; }));
  }
  QString socketPath() const { return dir_.filePath("LUMARO2"); }

  QTemporaryDir dir_;
  LocalRestoreChannel listener_{dir_.path().toStdString()};
  LocalRestoreChannel sender_{dir_.path().toStdString()};
  int requests_ = 0;
};

TEST_F(LocalRestoreChannelTest, EachRequestFromAnotherChannelRunsTheHandlerFromTheLoop) {
  listen();

  EXPECT_TRUE(sender_.send("LUMARO2"));
  EXPECT_TRUE(sender_.send("LUMARO2"));
  EXPECT_EQ(requests_, 0);

  EXPECT_TRUE(QTest::qWaitFor([&] { return requests_ == 2; }, 2000));
  QTest::qWait(50);
  EXPECT_EQ(requests_, 2);
}

TEST_F(LocalRestoreChannelTest, SendFailsQuicklyWhenNobodyListens) {
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(sender_.send("LUMARO2"));
  EXPECT_LT(clock.elapsed(), 600);
}

TEST_F(LocalRestoreChannelTest, ListeningReplacesAFileLeftBehind) {
  QFile stale(socketPath());
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.close();

  listen();

  EXPECT_TRUE(sender_.send("LUMARO2"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return requests_ == 1; }, 2000));
}

TEST_F(LocalRestoreChannelTest, ListeningFailsWhereNoSocketCanBe) {
  LocalRestoreChannel nowhere(dir_.filePath("missing/folder").toStdString());
  EXPECT_FALSE(nowhere.listen("LUMARO2", [] {}));
  // Without a private folder the root folder must not stand in for one.
  LocalRestoreChannel withoutFolder("");
  EXPECT_FALSE(withoutFolder.listen("LUMARO2", [] {}));
  EXPECT_FALSE(QFile::exists("/LUMARO2"));
}

TEST_F(LocalRestoreChannelTest, GarbageIsClosedWithoutARequest) {
  listen();
  for (const QByteArray& garbage : {QByteArray("hello\n"), QByteArray(100, 'x')}) {
    QLocalSocket peer;
    peer.connectToServer(socketPath());
    ASSERT_TRUE(peer.waitForConnected(500));
    peer.write(garbage);
    peer.flush();

    EXPECT_TRUE(QTest::qWaitFor([&] { return peer.state() == QLocalSocket::UnconnectedState; }, 2000));
  }
  EXPECT_EQ(requests_, 0);
}

}  // namespace
}  // namespace lumaro::platform::qt
