#include "backends/win32/system/instance_guard.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

namespace lumaro::platform::win32 {
namespace {

TEST(MutexInstanceGuard, OneClaimPerNameUntilItsHolderEnds) {
  const std::string name = "LUMARO2 test " + std::to_string(::GetCurrentProcessId());
  std::optional<MutexInstanceGuard> first(std::in_place);
  EXPECT_TRUE(first->claim(name));
  MutexInstanceGuard second;
  EXPECT_FALSE(second.claim(name));
  EXPECT_TRUE(second.claim(name + " other"));
  first.reset();
  EXPECT_TRUE(second.claim(name));
}

}  // namespace
}  // namespace lumaro::platform::win32
