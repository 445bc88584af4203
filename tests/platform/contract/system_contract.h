#pragma once
#include "platform/contract/contract.h"
#include "platform/system_info.h"
#include "platform/system_resources.h"

namespace lumaro::platform::contract {

struct SystemSubject {
  virtual ~SystemSubject() = default;
  virtual SystemInfo& systemInfo() = 0;
  virtual SystemResources& systemResources() = 0;
};

class SystemContract : public ContractTest<SystemSubject> {};

}  // namespace lumaro::platform::contract
