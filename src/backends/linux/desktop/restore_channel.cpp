#include "backends/linux/desktop/restore_channel.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QLocalSocket>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "backends/linux/system/restore_request.h"

namespace lumaro::platform::linuxos {

namespace {
// A peer that sends this much without a line break is not one of ours.
constexpr qint64 kMaxLine = 64;
// How long accepting rests after a failed accept, so that a full descriptor table is not polled hot.
constexpr int kAcceptPauseMs = 100;
}  // namespace

LocalRestoreChannel::LocalRestoreChannel(std::string directory) : directory_(std::move(directory)) {
  resumeAccepting_.setSingleShot(true);
  QObject::connect(&resumeAccepting_, &QTimer::timeout, &context_, [this] { acceptable_->setEnabled(true); });
  idleCheck_.setSingleShot(true);
  QObject::connect(&idleCheck_, &QTimer::timeout, &context_, [this] { dropIdle(); });
}

LocalRestoreChannel::~LocalRestoreChannel() {
  // Emptied first: a connection ends with a signal that would look for itself there.
  for (const Held& held : std::exchange(held_, {})) delete held.connection;
  if (listening_ < 0) return;
  acceptable_.reset();
  ::close(listening_);
  ::unlink(socketPath_.c_str());
}

bool LocalRestoreChannel::listen(const std::string& name, std::function<void(Request)> onRequest) {
  if (directory_.empty() || listening_ >= 0) return false;
  const std::string path = directory_ + "/" + name;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);

  const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (descriptor < 0) return false;
  // Only this user may ask us to show ourselves, whatever the folder allows: the socket file takes
  // this mode when it is bound.
  ::fchmod(descriptor, S_IRUSR | S_IWUSR);
  ::unlink(path.c_str());
  if (::bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(descriptor, SOMAXCONN) != 0) {
    ::close(descriptor);
    return false;
  }
  listening_ = descriptor;
  socketPath_ = path;
  onRequest_ = std::move(onRequest);
  acceptable_ = std::make_unique<QSocketNotifier>(listening_, QSocketNotifier::Read);
  QObject::connect(acceptable_.get(), &QSocketNotifier::activated, &context_, [this] { accept(); });
  return true;
}

void LocalRestoreChannel::accept() {
  // A bounded number per turn of the loop, so that a flood of connections cannot hold the program.
  for (std::size_t i = 0; i < kMaxConnections; ++i) {
    const int descriptor = ::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (descriptor >= 0) {
      take(descriptor);
    } else if (errno != EINTR && errno != ECONNABORTED) {
      if (errno == EAGAIN || errno == EWOULDBLOCK) return;
      // The connection stays queued; it is taken once descriptors are free again.
      acceptable_->setEnabled(false);
      resumeAccepting_.start(kAcceptPauseMs);
      return;
    }
  }
}

void LocalRestoreChannel::take(int descriptor) {
  auto* connection = new QLocalSocket;
  if (!connection->setSocketDescriptor(descriptor)) {
    delete connection;
    ::close(descriptor);
    return;
  }
  if (held_.size() >= kMaxConnections) drop(*held_.front().connection);
  held_.push_back({connection, std::chrono::steady_clock::now() + kIdleTime});
  if (!idleCheck_.isActive()) idleCheck_.start(kIdleTime);
  QObject::connect(connection, &QLocalSocket::readyRead, &context_,
                   [this, connection] { read(*connection); });
  QObject::connect(connection, &QLocalSocket::disconnected, &context_,
                   [this, connection] { drop(*connection); });
  // Bytes may have arrived with the connection, before readyRead was connected.
  if (connection->bytesAvailable() > 0) read(*connection);
}

void LocalRestoreChannel::read(QLocalSocket& connection) {
  const bool complete = connection.canReadLine();
  if (!complete && connection.bytesAvailable() <= kMaxLine) return;  // the rest of the line is on its way
  const std::optional<Request> request =
      complete ? requestOfWord(connection.readLine(kMaxLine + 1).trimmed().toStdString()) : std::nullopt;
  drop(connection);
  if (request) onRequest_(*request);
}

void LocalRestoreChannel::drop(QLocalSocket& connection) {
  const auto found = std::find_if(held_.begin(), held_.end(),
                                  [&](const Held& held) { return held.connection == &connection; });
  if (found == held_.end()) return;
  held_.erase(found);
  QObject::disconnect(&connection, nullptr, &context_, nullptr);
  connection.abort();
  connection.deleteLater();
}

void LocalRestoreChannel::dropIdle() {
  const auto now = std::chrono::steady_clock::now();
  while (!held_.empty() && held_.front().deadline <= now) drop(*held_.front().connection);
  if (held_.empty()) return;
  // A timer may fire a little early: the next check waits for the oldest one's deadline.
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(held_.front().deadline - now);
  idleCheck_.start(std::max(left, std::chrono::milliseconds{1}));
}

bool LocalRestoreChannel::send(const std::string& name, Request request) {
  return !directory_.empty() && sendRestoreRequest(directory_ + "/" + name, request);
}

}  // namespace lumaro::platform::linuxos
