#pragma once
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "platform/instance_guard.h"

class QLocalServer;
class QLocalSocket;

namespace lumaro::platform::qt {

// The restore request over a local socket at "<directory>/<name>": a connection that sends the line
// "restore" is one request. The caller passes its private runtime folder; without one (empty) nothing
// listens and nothing is sent.
class LocalRestoreChannel : public RestoreChannel {
 public:
  explicit LocalRestoreChannel(std::string directory);
  ~LocalRestoreChannel() override;

  // Removes a socket file left behind by a copy that died first. That is safe only because the
  // caller holds the single-instance claim: no live copy can be listening there.
  bool listen(const std::string& name, std::function<void()> onRequest) override;
  // Waits at most half a second for each step, so that a hung listener cannot hang the caller.
  bool send(const std::string& name) override;

 private:
  QString pathOf(const std::string& name) const;
  void accept();
  void read(QLocalSocket& connection);

  std::string directory_;
  std::unique_ptr<QLocalServer> server_;
  std::function<void()> onRequest_;
};

}  // namespace lumaro::platform::qt
