#pragma once
#include <cstdint>
#include <optional>

#include "platform/contract/contract.h"
#include "platform/session_control.h"

namespace lumaro::platform::contract {

struct SessionControlSubject {
  virtual ~SessionControlSubject() = default;
  virtual SessionControl& control() = 0;
  // The flags of the last request that reached the system, when one did.
  virtual std::optional<std::uint32_t> lastRequest() = 0;
};

class SessionControlContract : public ContractTest<SessionControlSubject> {};

}  // namespace lumaro::platform::contract
