#include "monitor/memory_figures.h"

#include <gtest/gtest.h>

#include <limits>

namespace lumaro::monitor {
namespace {

constexpr std::uint64_t kMiB = 1024 * 1024;

TEST(MemoryFigures, MegabyteFiguresTruncate) {
  EXPECT_EQ(megabytes(512 * kMiB - 1), 511);
  EXPECT_EQ(megabytes(16ll << 30), 16384);  // far above 32 bits
  EXPECT_EQ(megabytes(std::uint64_t{16} << 30), 16384);
  // A count beyond the signed range saturates instead of turning negative.
  EXPECT_EQ(megabytes(std::numeric_limits<std::uint64_t>::max()), kMaxMegabytes);
  EXPECT_EQ(shareOf(512, 80), 409);
  EXPECT_EQ(shareOf(512, 25), 128);
  EXPECT_EQ(shareOf(512, 5), 25);
  EXPECT_EQ(shareOf(512, 15), 76);
  EXPECT_EQ(shareOf(512, 30), 153);
  EXPECT_EQ(freePercent(187, 512), 36);
  EXPECT_EQ(freePercent(5, 0), 0);
}

TEST(MemoryFigures, AReadingBelowOneMegabyteOfMemoryCannotBeRight) {
  EXPECT_TRUE(plausible({.totalPhysical = kMiB, .availablePhysical = kMiB}));
  EXPECT_FALSE(plausible({.totalPhysical = kMiB - 1}));  // it would make every memory range empty
  EXPECT_FALSE(plausible({}));
}

TEST(MemoryFigures, TextsUseTheLocaleSeparator) {
  const auto mib123456 = static_cast<std::uint64_t>(123.456 * kMiB);
  EXPECT_EQ(freeAmountText(mib123456, 512 * kMiB, ","), "123,46M (24%)");
  EXPECT_EQ(freeAmountText(256 * kMiB, 1024 * kMiB, ","), "256,00M (25%)");
  EXPECT_EQ(freeAmountText(256 * kMiB, 1024 * kMiB, "."), "256.00M (25%)");
  EXPECT_EQ(freeAmountText(0, 1024 * kMiB, ","), "0,00M (0%)");
  // Percentages truncate: 99.99 % shows 99.
  EXPECT_EQ(freeAmountText(9999 * kMiB, 10000 * kMiB, ","), "9999,00M (99%)");
  // Above 4 GiB nothing wraps.
  EXPECT_EQ(freeAmountText(40ull << 30, 64ull << 30, ","), "40960,00M (62%)");
  // Exact halves round away from zero; just below a half rounds down; 99.995 carries into the units.
  EXPECT_EQ(freeAmountText(kMiB / 8, kMiB, ","), "0,13M (12%)");
  EXPECT_EQ(freeAmountText(2 * kMiB + 5 * kMiB / 8, 4 * kMiB, ","), "2,63M (65%)");
  EXPECT_EQ(freeAmountText(kMiB / 8 - 1, kMiB, ","), "0,12M (12%)");
  EXPECT_EQ(freeAmountText(100 * kMiB - kMiB / 256, 200 * kMiB, ","), "100,00M (49%)");
  // A machine that reports no page file shows 0 % instead of dividing by zero.
  EXPECT_EQ(freeAmountText(0, 0, ","), "0,00M (0%)");

  platform::MemoryStatus status;
  status.memoryLoad = 63;
  EXPECT_EQ(memoryLoadText(status), "63%");
}

}  // namespace
}  // namespace lumaro::monitor
