#pragma once
#include "platform/contract/contract.h"
#include "platform/processor_counters.h"

namespace lumaro::platform::contract {

struct ProcessorSubject {
  virtual ~ProcessorSubject() = default;
  virtual ProcessorPerformance& processor() = 0;
  virtual DynamicStatistics& dynamicStatistics() = 0;
  // Lets some time pass between two readings (real time, or the fake's next scripted reading).
  virtual void letTimePass() = 0;
};

class ProcessorContract : public ContractTest<ProcessorSubject> {};

}  // namespace lumaro::platform::contract
