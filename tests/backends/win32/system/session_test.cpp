#include "backends/win32/system/session.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace lumaro::platform::win32 {
namespace {

// Ending the session is not tried here: under Wine it would end every program of the prefix.
TEST(Win32SessionControl, TheShutdownPrivilegeCanBeEnabled) {
  EXPECT_TRUE(Win32SessionControl().enableShutdownPrivilege());
}

}  // namespace
}  // namespace lumaro::platform::win32
