#pragma once
#include "platform/contract/contract.h"
#include "platform/memory.h"

namespace lumaro::platform::contract {

struct MemorySubject {
  virtual ~MemorySubject() = default;
  virtual Memory& memory() = 0;
  // Leaves the machine, as the service sees it, too short of memory for one more block; false when
  // that cannot be arranged with this backend.
  virtual bool makeScarce() = 0;
};

class MemoryContract : public ContractTest<MemorySubject> {};

}  // namespace lumaro::platform::contract
