#pragma once
#include "platform/contract/contract.h"
#include "platform/event_loop.h"

namespace lumaro::platform::contract {

struct EventLoopSubject {
  virtual ~EventLoopSubject() = default;
  virtual EventLoop& loop() = 0;
};

class EventLoopContract : public ContractTest<EventLoopSubject> {};

}  // namespace lumaro::platform::contract
