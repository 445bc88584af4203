#pragma once
#include "platform/contract/contract.h"
#include "platform/tray.h"

namespace lumaro::platform::contract {

struct TraySubject {
  virtual ~TraySubject() = default;
  virtual Tray& tray() = 0;
  // Whether a tray host is there to take icons.
  virtual bool hasHost() = 0;
};

class TrayContract : public ContractTest<TraySubject> {};

}  // namespace lumaro::platform::contract
