#include "backends/linux/system/proc_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "backends/linux/system/temp_dir.h"

namespace lumaro::platform::linuxos {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// This process's descriptors that are open on `path`.
std::vector<std::string> descriptorsOn(const std::string& path) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
    std::error_code error;
    if (fs::read_symlink(entry.path(), error) == path) found.push_back(entry.path().filename());
  }
  return found;
}

TEST(ProcFile, AKernelFileStaysOpenAndIsReadAgainFromItsStart) {
  std::vector<std::string> whileOpen;
  {
    ProcFile meminfo("/proc/meminfo", 64 << 10);
    const std::string first(meminfo.read().value());
    whileOpen = descriptorsOn("/proc/meminfo");
    const std::string second(meminfo.read().value());
    EXPECT_TRUE(first.starts_with("MemTotal:"));
    EXPECT_TRUE(second.starts_with("MemTotal:"));
    EXPECT_EQ(descriptorsOn("/proc/meminfo"), whileOpen);  // the same descriptor, not a new one
  }
  EXPECT_EQ(whileOpen.size(), 1u);
  EXPECT_TRUE(descriptorsOn("/proc/meminfo").empty());
}

TEST(ProcFile, ARecordedFileIsOpenedForEachReadSoThatItCanBeReplaced) {
  const TempDir dir;
  const std::string path = dir.path() + "/meminfo";
  ProcFile file(path, 64);
  EXPECT_FALSE(file.read());  // not there yet

  dir.write("meminfo", "first");
  EXPECT_EQ(file.read(), "first");
  EXPECT_TRUE(descriptorsOn(path).empty());
  dir.write("next", "second");
  fs::rename(dir.path() + "/next", path);
  EXPECT_EQ(file.read(), "second");
}

TEST(ProcFile, AFileLongerThanTheLimitReadsAsNothingAndItsBufferStaysBounded) {
  const TempDir dir;
  const std::string path = dir.path() + "/stat";
  ProcFile file(path, 10000);
  dir.write("stat", std::string(10000, 'x'));
  EXPECT_EQ(file.read()->size(), 10000u);
  dir.write("stat", std::string(10001, 'x'));
  EXPECT_FALSE(file.read());
  dir.write("stat", "good again");
  EXPECT_EQ(file.read(), "good again");

  // A file that never ends.
  fs::remove(path);
  fs::create_symlink("/dev/zero", path);
  EXPECT_FALSE(file.read());
  EXPECT_FALSE(file.read());
}

TEST(ReadWholeFile, ReadsWithinItsLimit) {
  std::vector<char> buffer;
  EXPECT_TRUE(readWholeFile("/proc/self/status", buffer).value().starts_with("Name:"));
  EXPECT_FALSE(readWholeFile("/dev/zero", buffer));
  EXPECT_LE(buffer.size(), kSmallFileLimit + 1);
  EXPECT_FALSE(readWholeFile("/proc/self/status", buffer, 10));
  EXPECT_FALSE(readWholeFile("/no/such/file", buffer));
}

}  // namespace
}  // namespace lumaro::platform::linuxos
