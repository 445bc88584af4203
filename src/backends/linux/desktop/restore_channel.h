#pragma once
#include <QObject>
#include <QTimer>
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "platform/instance_guard.h"

class QLocalSocket;
class QSocketNotifier;

namespace lumaro::platform::linuxos {

// The requests over a local socket at "<directory>/<name>": a connection that sends the line "restore"
// or "optimize" is one request (the words are in restore_request.h); any other line is ignored. The
// caller passes its private runtime folder; without one (empty) nothing listens and nothing is sent.
// Whoever connects, the socket keeps listening: at most kMaxConnections are held at once (a new one
// ends the oldest), a connection still without its line after kIdleTime is ended, and an accept that
// fails (too many open files) pauses accepting for a moment instead of ending the listening.
class LocalRestoreChannel : public RestoreChannel {
 public:
  static constexpr std::size_t kMaxConnections = 16;
  static constexpr std::chrono::milliseconds kIdleTime{2000};

  explicit LocalRestoreChannel(std::string directory);
  ~LocalRestoreChannel() override;

  // Removes whatever a copy that died first left at the socket's path. That is safe only because the
  // caller holds the single-instance claim (no live copy can be listening there) and the folder is
  // private (nobody else can have put anything there).
  bool listen(const std::string& name, std::function<void(Request)> onRequest) override;
  // Waits at most half a second for each step, so that a hung listener cannot hang the caller.
  bool send(const std::string& name, Request request) override;

 private:
  struct Held {
    QLocalSocket* connection;
    std::chrono::steady_clock::time_point deadline;
  };

  void accept();
  void take(int descriptor);
  void read(QLocalSocket& connection);
  // Ends a held connection; nothing when it is no longer held.
  void drop(QLocalSocket& connection);
  void dropIdle();

  std::string directory_;
  std::string socketPath_;
  int listening_ = -1;
  std::unique_ptr<QSocketNotifier> acceptable_;
  // The receiver of every connection's signals: a dropped connection is cut off from the channel.
  QObject context_;
  QTimer resumeAccepting_;
  QTimer idleCheck_;
  // In the order they came, so that the oldest is first and the deadlines rise.
  std::deque<Held> held_;
  std::function<void(Request)> onRequest_;
};

}  // namespace lumaro::platform::linuxos
