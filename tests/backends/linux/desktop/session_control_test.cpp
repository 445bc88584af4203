#include "backends/linux/desktop/session_control.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <mutex>

namespace lumaro::platform::linuxos {
namespace {

using ::testing::ElementsAre;

// Answers logind's Manager calls on a private bus from its own thread, recording each call.
class LogindStandIn : public QDBusVirtualObject {
 public:
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    QStringList arguments;
    for (const QVariant& argument : message.arguments()) arguments << argument.toString();
    {
      const std::lock_guard lock(mutex_);
      calls_.push_back(
          (message.interface() + "." + message.member() + "(" + arguments.join(",") + ")").toStdString());
    }
    QThread::msleep(answerDelayMs);  // logind asks polkit first, which may take seconds
    connection.send(refuse ? message.createErrorReply("org.freedesktop.DBus.Error.AccessDenied", "no")
                           : message.createReply());
    return true;
  }
  QString introspect(const QString&) const override { return {}; }

  std::vector<std::string> calls() {
    const std::lock_guard lock(mutex_);
    return calls_;
  }
  std::atomic<bool> refuse = false;
  std::atomic<unsigned> answerDelayMs = 0;

 private:
  std::mutex mutex_;
  std::vector<std::string> calls_;
};

class LogindSessionControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    if (!bus.waitForReadyRead(5000)) GTEST_SKIP() << "dbus-daemon is not available";
    address = QString::fromUtf8(bus.readLine()).trimmed();
    worker.start();
    standIn.moveToThread(&worker);
  }
  void TearDown() override {
    QDBusConnection::disconnectFromBus("logind");
    QDBusConnection::disconnectFromBus("client");
    worker.quit();
    worker.wait();
    bus.terminate();
    bus.waitForFinished();
  }
  void serveLogind() {
    QDBusConnection server = QDBusConnection::connectToBus(address, "logind");
    ASSERT_TRUE(server.registerService("org.freedesktop.login1"));
    ASSERT_TRUE(server.registerVirtualObject("/org/freedesktop/login1", &standIn));
  }
  LogindSessionControl control() {
    return LogindSessionControl(QDBusConnection::connectToBus(address, "client"));
  }
  // The calls logind has seen once `count` of them arrived, with the answers that came back served.
  std::vector<std::string> callsOnceThere(std::size_t count) {
    QElapsedTimer clock;
    clock.start();
    while (standIn.calls().size() < count && clock.elapsed() < 5000) QThread::msleep(10);
    QCoreApplication::processEvents();
    return standIn.calls();
  }

  QProcess bus;
  QString address;
  QThread worker;
  LogindStandIn standIn;
};

TEST_F(LogindSessionControlTest, RebootAndPowerOffAreNeverInteractive) {
  serveLogind();
  LogindSessionControl logind = control();
  EXPECT_TRUE(logind.enableShutdownPrivilege());
  EXPECT_TRUE(logind.exitSession(6));   // reboot + force
  EXPECT_TRUE(logind.exitSession(13));  // shut down + force + power off
  EXPECT_FALSE(logind.exitSession(0));  // a plain log-off is not offered
  EXPECT_THAT(callsOnceThere(2), ElementsAre("org.freedesktop.login1.Manager.Reboot(false)",
                                             "org.freedesktop.login1.Manager.PowerOff(false)"));
}

TEST_F(LogindSessionControlTest, TheInterfaceNeverWaitsForTheAnswerAndARefusalIsSilent) {
  serveLogind();
  standIn.refuse = true;
  standIn.answerDelayMs = 2000;
  LogindSessionControl logind = control();
  QElapsedTimer clock;
  clock.start();
  EXPECT_TRUE(logind.exitSession(13));
  EXPECT_LT(clock.elapsed(), 1000);
  EXPECT_EQ(callsOnceThere(1).size(), 1u);
  QThread::msleep(2100);
  QCoreApplication::processEvents();  // the refusal arrives and goes unremarked
}

TEST_F(LogindSessionControlTest, WithoutLogindOrWithoutABusNothingHappens) {
  LogindSessionControl logind = control();
  EXPECT_TRUE(logind.exitSession(6));  // nobody owns the name: the bus answers, later, with an error
  // The error arrives and its watcher goes: nothing of the call outlives its answer.
  QDeadlineTimer answered(1000);
  while (!answered.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  LogindSessionControl unconnected(QDBusConnection("no such bus"));
  EXPECT_FALSE(unconnected.exitSession(6));
}

}  // namespace
}  // namespace lumaro::platform::linuxos
