#include "backends/linux/system/meminfo_parser.h"

#include <gtest/gtest.h>

#include "backends/linux/system/proc_fixtures.h"

namespace lumaro::platform::linuxos {
namespace {

using testing::readProcFixture;

struct Recorded {
  const char* machine;
  std::uint64_t totalKib;
  std::uint64_t availableKib;
  std::uint64_t swapTotalKib;
  std::uint64_t swapFreeKib;
  std::uint32_t load;
};

class MeminfoParserRecorded : public ::testing::TestWithParam<Recorded> {};

TEST_P(MeminfoParserRecorded, MapsMeminfoToTheStatusRecord) {
  const Recorded& machine = GetParam();
  const MemoryStatus status = parseMeminfo(readProcFixture(machine.machine, "meminfo"));

  EXPECT_EQ(status.totalPhysical, machine.totalKib * 1024);
  EXPECT_EQ(status.availablePhysical, machine.availableKib * 1024);
  EXPECT_EQ(status.totalPageFile, (machine.totalKib + machine.swapTotalKib) * 1024);
  EXPECT_EQ(status.availablePageFile, (machine.availableKib + machine.swapFreeKib) * 1024);
  EXPECT_EQ(status.totalVirtual, status.totalPageFile);
  EXPECT_EQ(status.availableVirtual, status.availablePageFile);
  EXPECT_EQ(status.memoryLoad, machine.load);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, MeminfoParserRecorded,
    ::testing::Values(Recorded{"build-host-2cpu", 24683772, 24338848, 0, 0, 1},
                      Recorded{"small-512m-noswap", 498036, 301252, 0, 0, 39},
                      Recorded{"workstation-64g-8cpu", 65781532, 48213996, 8388604, 8126460, 26},
                      Recorded{"laptop-4cpu", 16088300, 5120776, 8044140, 6912004, 68},
                      // No MemAvailable before 3.14: MemFree + Buffers + Cached.
                      Recorded{"old-kernel-2cpu", 2054828, 312404 + 141220 + 902112, 4194296, 4101232, 34},
                      // Cut off inside "Cached": the lines before it still count.
                      Recorded{"truncated", 8046532, 912044 + 120412, 0, 0, 87},
                      Recorded{"petabytes-4p", 4398046511104, 3298534883328, 0, 0, 25}),
    [](const auto& info) {
      std::string name = info.param.machine;
      std::erase(name, '-');
      return name;
    });

TEST(MeminfoParser, GarbledOrEmptyTextGivesZeros) {
  for (const std::string& text : {readProcFixture("garbled", "meminfo"), std::string()}) {
    const MemoryStatus status = parseMeminfo(text);
    EXPECT_EQ(status.memoryLoad, 0u);
    for (const std::uint64_t figure :
         {status.totalPhysical, status.availablePhysical, status.totalPageFile, status.availablePageFile,
          status.totalVirtual, status.availableVirtual}) {
      EXPECT_EQ(figure, 0u);
    }
  }
}

TEST(MeminfoParser, FiguresBeyondSixtyFourBitsStayAtTheLargestInsteadOfWrapping) {
  const MemoryStatus status = parseMeminfo(readProcFixture("huge-numbers", "meminfo"));
  for (const std::uint64_t figure :
       {status.totalPhysical, status.availablePhysical, status.totalPageFile, status.availablePageFile}) {
    EXPECT_EQ(figure, UINT64_MAX);
  }
  EXPECT_EQ(
      parseMeminfo("MemTotal: 100 kB\nMemFree: 18446744073709551615 kB\nCached: 1 kB\n").availablePhysical,
      UINT64_MAX);
}

TEST(MeminfoParser, AvailableAboveTotalIsNoLoadRatherThanAWrappedOne) {
  EXPECT_EQ(parseMeminfo("MemTotal: 100 kB\nMemAvailable: 200 kB\n").memoryLoad, 0u);
}

}  // namespace
}  // namespace lumaro::platform::linuxos
