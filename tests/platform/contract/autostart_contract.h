#pragma once
#include <optional>
#include <string>

#include "platform/autostart.h"
#include "platform/contract/contract.h"

namespace lumaro::platform::contract {

struct AutostartSubject {
  virtual ~AutostartSubject() = default;
  virtual Autostart& autostart() = 0;
  // What the desktop starts at log-in for the entry `name`, read past the service: nothing when there
  // is no entry, "" for an entry that starts nothing.
  virtual std::optional<std::string> startedBy(const std::string& name) = 0;
  // Makes the place of the entries one that cannot be written; false when that cannot be arranged.
  virtual bool makeUnwritable() = 0;
};

class AutostartContract : public ContractTest<AutostartSubject> {};

}  // namespace lumaro::platform::contract
