#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/contract/contract.h"
#include "platform/registry.h"

namespace lumaro::platform::contract {

struct RegistrySubject {
  virtual ~RegistrySubject() = default;
  virtual Registry& registry() = 0;
  // A key below HKEY_LOCAL_MACHINE of this test's own, not yet there.
  virtual std::string freshKey() = 0;
  // What the system holds now as the 32-bit value `name` of `key` (spelled as given), read past the
  // service; nothing when there is no such value, or when several values answer to that name.
  virtual std::optional<std::uint32_t> valueOf(const std::string& key, const std::string& name) = 0;
  // Makes the store refuse every change; false when that cannot be arranged with this backend.
  virtual bool makeUnwritable() = 0;
};

class RegistryContract : public ContractTest<RegistrySubject> {};

}  // namespace lumaro::platform::contract
