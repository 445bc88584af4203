#include "platform/linux/qt/local_restore_channel.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace lumaro::platform::qt {

namespace {
constexpr int kTimeoutMs = 500;
constexpr char kRequest[] = "restore\n";
// A peer that sends this much without a line break is not one of ours.
constexpr qint64 kMaxLine = 64;
}  // namespace

LocalRestoreChannel::LocalRestoreChannel(std::string directory) : directory_(std::move(directory)) {}

LocalRestoreChannel::~LocalRestoreChannel() = default;

QString LocalRestoreChannel::pathOf(const std::string& name) const {
  return QString::fromStdString(directory_ + "/" + name);
}

bool LocalRestoreChannel::listen(const std::string& name, std::function<void()> onRequest) {
  if (directory_.empty()) return false;
  const QString path = pathOf(name);
  QLocalServer::removeServer(path);
  server_ = std::make_unique<QLocalServer>();
  // Only this user may ask us to show ourselves, whatever the folder allows.
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(path)) {
    server_.reset();
    return false;
  }
  onRequest_ = std::move(onRequest);
  QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] { accept(); });
  return true;
}

void LocalRestoreChannel::accept() {
  while (QLocalSocket* connection = server_->nextPendingConnection()) {
    QObject::connect(connection, &QLocalSocket::readyRead, connection,
                     [this, connection] { read(*connection); });
    QObject::connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
    // Bytes may have arrived with the connection, before readyRead was connected.
    if (connection->bytesAvailable() > 0) read(*connection);
  }
}

void LocalRestoreChannel::read(QLocalSocket& connection) {
  const bool complete = connection.canReadLine();
  if (!complete && connection.bytesAvailable() <= kMaxLine) return;  // the rest of the line is on its way
  const bool isRequest = complete && connection.readLine(kMaxLine + 1).trimmed() == "restore";
  connection.disconnectFromServer();
  if (isRequest) onRequest_();
}

bool LocalRestoreChannel::send(const std::string& name) {
  if (directory_.empty()) return false;
  QLocalSocket socket;
  socket.connectToServer(pathOf(name));
  if (!socket.waitForConnected(kTimeoutMs)) return false;
  const qint64 length = sizeof kRequest - 1;
  if (socket.write(kRequest, length) != length) return false;
  if (socket.bytesToWrite() > 0 && !socket.waitForBytesWritten(kTimeoutMs)) return false;
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kTimeoutMs);
  return true;
}

}  // namespace lumaro::platform::qt
