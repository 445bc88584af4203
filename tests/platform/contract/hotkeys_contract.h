#pragma once
#include <cstdint>

#include "platform/contract/contract.h"
#include "platform/global_hotkeys.h"

namespace lumaro::platform::contract {

struct GlobalHotkeysSubject {
  virtual ~GlobalHotkeysSubject() = default;
  virtual GlobalHotkeys& hotkeys() = 0;
  // The user presses the combination anywhere on the desktop; the presses reach the callbacks
  // before this returns. False when presses cannot be made here.
  virtual bool press(std::uint32_t modifiers, std::uint32_t virtualKey) = 0;
};

class GlobalHotkeysContract : public ContractTest<GlobalHotkeysSubject> {};

}  // namespace lumaro::platform::contract
