#pragma once
#include <functional>
#include <string>

#include "platform/contract/contract.h"
#include "platform/instance_guard.h"

namespace lumaro::platform::contract {

struct InstanceGuardSubject {
  virtual ~InstanceGuardSubject() = default;
  virtual InstanceGuard& guard() = 0;
  // A name nothing else in this session claims.
  virtual std::string freeName() = 0;
  // Another copy of the program claims `name` (true when it got it), and later ends.
  virtual bool otherCopyClaims(const std::string& name) = 0;
  virtual void otherCopyEnds() = 0;
};

struct RestoreChannelSubject {
  virtual ~RestoreChannelSubject() = default;
  // The running copy's channel, and the one a second copy sends from.
  virtual RestoreChannel& listener() = 0;
  virtual RestoreChannel& sender() = 0;
  virtual std::string freeName() = 0;
  // Lets the running copy's event loop run until `done` or a few seconds have passed; `done()`.
  virtual bool runLoopUntil(const std::function<bool()>& done) = 0;
};

class InstanceGuardContract : public ContractTest<InstanceGuardSubject> {};
class RestoreChannelContract : public ContractTest<RestoreChannelSubject> {};

}  // namespace lumaro::platform::contract
