#include "monitor/tick_error_filter.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace lumaro::monitor {
namespace {

int reported(TickErrorFilter& filter, const char* error) {
  try {
    filter.run([error] {
      if (error != nullptr) throw std::runtime_error(error);
    });
  } catch (const std::runtime_error&) {
    return 1;
  }
  return 0;
}

TEST(TickErrorFilter, AnErrorIsLetThroughOnceUntilItChangesOrAPassSucceeds) {
  TickErrorFilter filter;
  EXPECT_EQ(reported(filter, "a") + reported(filter, "a") + reported(filter, "a"), 1);
  EXPECT_EQ(reported(filter, "b"), 1);
  EXPECT_EQ(reported(filter, "a"), 1);
  EXPECT_EQ(reported(filter, nullptr), 0);
  EXPECT_EQ(reported(filter, "a"), 1);
}

}  // namespace
}  // namespace lumaro::monitor
