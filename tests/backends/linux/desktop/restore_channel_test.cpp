#include "backends/linux/desktop/restore_channel.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstring>
#include <vector>

namespace lumaro::platform::linuxos {
namespace {

// A plain client socket, so that a test decides when each descriptor is made and what is sent.
int unconnectedClient() {
  return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
}
bool connectClient(int client, const QString& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray name = path.toLocal8Bit();
  std::memcpy(address.sun_path, name.constData(), name.size() + 1);
  return ::connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}
// The channel has ended this client's connection.
bool endedByPeer(int client) {
  pollfd readable{client, POLLIN, 0};
  char byte;
  return ::poll(&readable, 1, 0) == 1 && ::recv(client, &byte, 1, MSG_DONTWAIT) == 0;
}

using Request = RestoreChannel::Request;

class LocalRestoreChannelTest : public ::testing::Test {
 protected:
  void listen() {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(listener_.listen("LUMARO2", [this](Request request) {
      ++requests_;
      kinds_.push_back(request);
    }));
  }
  QString socketPath() const { return dir_.filePath("LUMARO2"); }

  QTemporaryDir dir_;
  LocalRestoreChannel listener_{dir_.path().toStdString()};
  LocalRestoreChannel sender_{dir_.path().toStdString()};
  int requests_ = 0;
  std::vector<Request> kinds_;
};

TEST_F(LocalRestoreChannelTest, EachRequestFromAnotherChannelRunsTheHandlerFromTheLoop) {
  listen();

  EXPECT_TRUE(sender_.send("LUMARO2", Request::Restore));
  EXPECT_TRUE(sender_.send("LUMARO2", Request::Optimize));
  EXPECT_EQ(requests_, 0);

  EXPECT_TRUE(QTest::qWaitFor([&] { return requests_ == 2; }, 2000));
  QTest::qWait(50);
  EXPECT_EQ(requests_, 2);
  EXPECT_EQ(kinds_, (std::vector{Request::Restore, Request::Optimize}));

  struct stat socket {};
  ASSERT_EQ(::stat(socketPath().toLocal8Bit().constData(), &socket), 0);
  EXPECT_EQ(socket.st_mode & 07777, 0600u);  // only this user may ask
}

TEST_F(LocalRestoreChannelTest, SendFailsQuicklyWhenNobodyListens) {
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(sender_.send("LUMARO2", Request::Restore));
  EXPECT_LT(clock.elapsed(), 600);
}

TEST_F(LocalRestoreChannelTest, ListeningReplacesAFileLeftBehind) {
  QFile stale(socketPath());
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.close();

  listen();

  EXPECT_TRUE(sender_.send("LUMARO2", Request::Restore));
  EXPECT_TRUE(QTest::qWaitFor([&] { return requests_ == 1; }, 2000));
}

TEST_F(LocalRestoreChannelTest, ListeningFailsWhereNoSocketCanBe) {
  LocalRestoreChannel nowhere(dir_.filePath("missing/folder").toStdString());
  EXPECT_FALSE(nowhere.listen("LUMARO2", [](Request) {}));
  // Without a private folder the root folder must not stand in for one.
  LocalRestoreChannel withoutFolder("");
  EXPECT_FALSE(withoutFolder.listen("LUMARO2", [](Request) {}));
  EXPECT_FALSE(QFile::exists("/LUMARO2"));
}

TEST_F(LocalRestoreChannelTest, GarbageAndUnknownWordsAreClosedWithoutARequest) {
  listen();
  for (const QByteArray& garbage : {QByteArray("hello\n"), QByteArray(100, 'x'), QByteArray("optimise\n"),
                                    QByteArray("restore optimize\n"), QByteArray("\n")}) {
    QLocalSocket peer;
    peer.connectToServer(socketPath());
    ASSERT_TRUE(peer.waitForConnected(500));
    peer.write(garbage);
    peer.flush();

    EXPECT_TRUE(QTest::qWaitFor([&] { return peer.state() == QLocalSocket::UnconnectedState; }, 2000));
  }
  EXPECT_EQ(requests_, 0);
}

TEST_F(LocalRestoreChannelTest, IdleConnectionsAreHeldFewAtATimeAndBrieflyWhileRequestsGoThrough) {
  listen();
  std::vector<int> idle(100);
  for (int& client : idle) {
    client = unconnectedClient();
    ASSERT_TRUE(connectClient(client, socketPath()));
  }
  const auto ended = [&] { return std::count_if(idle.begin(), idle.end(), endedByPeer); };
  // Each new connection beyond the limit ends the oldest, long before any is idle for long.
  QElapsedTimer clock;
  clock.start();
  EXPECT_TRUE(QTest::qWaitFor([&] { return ended() == 100 - 16; }, 1500));
  EXPECT_LT(clock.elapsed(), LocalRestoreChannel::kIdleTime.count());
  EXPECT_FALSE(endedByPeer(idle.back()));

  EXPECT_TRUE(sender_.send("LUMARO2", Request::Restore));
  EXPECT_TRUE(QTest::qWaitFor([&] { return requests_ == 1; }, 2000));
  // The rest are ended for their silence.
  EXPECT_TRUE(QTest::qWaitFor([&] { return ended() == 100; }, 3000));
  for (const int client : idle) ::close(client);

  EXPECT_TRUE(sender_.send("LUMARO2", Request::Restore));
  EXPECT_TRUE(QTest::qWaitFor([&] { return requests_ == 2; }, 2000));
}

TEST_F(LocalRestoreChannelTest, AFullDescriptorTableOnlyDelaysTheRequestsQueuedMeanwhile) {
#if defined(LUMARO_SANITIZED)
  GTEST_SKIP() << "the sanitizers' own checks open descriptors, which a full table refuses them";
#endif
  listen();
  const int client = unconnectedClient();
  ASSERT_GE(client, 0);

  // Every descriptor number below a lowered limit taken: the channel's accept fails with EMFILE.
  rlimit original{};
  ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &original), 0);
  std::vector<int> filler;
  rlimit lowered = original;
  lowered.rlim_cur = static_cast<rlim_t>(client) + 8;
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
  for (int descriptor; (descriptor = ::dup(client)) >= 0;) filler.push_back(descriptor);
  ASSERT_EQ(errno, EMFILE);

  const bool connected = connectClient(client, socketPath());
  const bool sent = ::send(client, "restore\n", 8, 0) == 8;
  const bool servedWhileFull = QTest::qWaitFor([&] { return requests_ > 0; }, 300);
  const bool stillThere = QFile::exists(socketPath());

  for (const int descriptor : filler) ::close(descriptor);
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &original), 0);
  EXPECT_TRUE(connected);
  EXPECT_TRUE(sent);
  EXPECT_FALSE(servedWhileFull);
  EXPECT_TRUE(stillThere);  // still listening: the queued connection is taken once descriptors are free

  EXPECT_TRUE(QTest::qWaitFor([&] { return requests_ == 1; }, 2000));
  ::close(client);
  EXPECT_TRUE(sender_.send("LUMARO2", Request::Restore));
  EXPECT_TRUE(QTest::qWaitFor([&] { return requests_ == 2; }, 2000));
}

}  // namespace
}  // namespace lumaro::platform::linuxos
