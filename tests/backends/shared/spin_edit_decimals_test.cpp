#include "backends/shared/spin_edit_decimals.h"

#include <gtest/gtest.h>

namespace lumaro::platform {
namespace {

TEST(SpinEditDecimals, AreTheFewestThatShowTheIncrementExactlyUpToSix) {
  EXPECT_EQ(decimalsOf(1), 0);
  EXPECT_EQ(decimalsOf(250), 0);
  EXPECT_EQ(decimalsOf(0.5), 1);
  EXPECT_EQ(decimalsOf(-0.25), 2);
  EXPECT_EQ(decimalsOf(1.125), 3);
  EXPECT_EQ(decimalsOf(1.0 / 3), 6);
}

}  // namespace
}  // namespace lumaro::platform
