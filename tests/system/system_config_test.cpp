#include "system/system_config.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backends/fake/fake_file_store.h"
#include "backends/fake/fake_registry.h"
#include "native_path.h"
#include "platform/system_info.h"
#include "toolkit/core/error.h"

namespace lumaro::system {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kWindows = lumaro::testing::nativePath("/home/user/.local/share/lumaro/windows");
const std::string kIni = lumaro::testing::nativePath("/home/user/.local/share/lumaro/windows/system.ini");
constexpr const char* kPaging =
    "System\\CurrentControlSet\\Control\\Session Manager\\Memory Management\\DisablePagingExecutive";

class SystemConfigTest : public ::testing::Test {
 protected:
  void write(int family, const TuningValues& values) {
    WriteSystemConfig(store, registry, kWindows, family, values);
  }
  std::string errorOf(int family, const TuningValues& values) {
    try {
      write(family, values);
    } catch (const toolkit::Error& error) {
      return error.what();
    }
    return "no error";
  }
  const std::string& ini() { return store.files[kIni]; }

  platform::fake::FakeFileStore store;
  platform::fake::FakeRegistry registry;
  // Cache controlled, minimum 8, maximum 32, block 16, and the best buffers with RAM forced.
  TuningValues tuned{.minimumCache = 8,
                     .maximumCache = 32,
                     .cacheBlock = 16,
                     .pageBuffers = 32,
                     .dmaBuffer = 64,
                     .forceRam = true};
};

TEST_F(SystemConfigTest, The9xFamilyGetsEveryKeyAndNoRegistryValue) {
  write(platform::kFamily9x, tuned);
  EXPECT_EQ(ini(),
            "[vcache]\r\nMinFileCache=8192\r\nMaxFileCache=32768\r\nChunkSize=8192\r\n"
            "[386enh]\r\nConservativeSwapfileUsage=1\r\nPageBuffers=128\r\nDMABufferSize=64\r\n");
  EXPECT_THAT(registry.writes, IsEmpty());
}

TEST_F(SystemConfigTest, TheNtFamilyDeletesTheCacheAndSwapKeysButKeepsTheBuffersAndSetsTheRegistry) {
  store.files[kIni] =
      "[boot]\r\nshell=Explorer.exe\r\n[VCACHE]\r\nminfilecache=1\r\nMaxFileCache=2\r\nChunkSize=3\r\n"
      "[386Enh]\r\nConservativeSwapfileUsage=1\r\nPageBuffers=4\r\n";
  write(platform::kFamilyNt, tuned);
  EXPECT_EQ(ini(),
            "[boot]\r\nshell=Explorer.exe\r\n[VCACHE]\r\n"
            "[386Enh]\r\nPageBuffers=128\r\nDMABufferSize=64\r\n");
  EXPECT_THAT(registry.writes, ElementsAre(std::string(kPaging) + "=1"));

  // Back to the defaults: the buffer keys go too, and the registry value is written 0, not deleted.
  write(platform::kFamilyNt, TuningValues{});
  EXPECT_EQ(ini(), "[boot]\r\nshell=Explorer.exe\r\n[VCACHE]\r\n[386Enh]\r\n");
  EXPECT_THAT(registry.writes, ElementsAre(std::string(kPaging) + "=1", std::string(kPaging) + "=0"));
}

TEST_F(SystemConfigTest, UnsetPositionsDeleteTheirKeysOneByOne) {
  // Maximum 0 does not limit the minimum; a block of 512 bytes and 4 K of page buffers count as not set.
  write(platform::kFamily9x, TuningValues{.minimumCache = 20, .pageBuffers = 2});
  EXPECT_EQ(ini(), "[vcache]\r\nMinFileCache=20480\r\n[386enh]\r\nPageBuffers=8\r\n");
  write(platform::kFamily9x, TuningValues{.maximumCache = 1, .cacheBlock = 2, .dmaBuffer = 1});
  EXPECT_EQ(ini(), "[vcache]\r\nMaxFileCache=1024\r\nChunkSize=1024\r\n[386enh]\r\nDMABufferSize=1\r\n");
}

TEST_F(SystemConfigTest, DefaultsOnAMachineWithoutSystemIniCreateNoFile) {
  write(platform::kFamilyNt, TuningValues{});
  EXPECT_FALSE(store.files.contains(kIni));
  EXPECT_EQ(store.writes, 0);
  EXPECT_THAT(registry.writes, ElementsAre(std::string(kPaging) + "=0"));
}

TEST_F(SystemConfigTest, AFailureStopsAtItsRowWithTheEarlierRowsDone) {
  store.readOnlyFolders.insert(kWindows);
  EXPECT_EQ(errorOf(platform::kFamilyNt, tuned), "Unable to write to " + kIni);
  EXPECT_THAT(registry.writes, IsEmpty());  // the registry row comes after the file's rows

  store.readOnlyFolders.clear();
  registry.failing = true;
  EXPECT_EQ(errorOf(platform::kFamilyNt, tuned), "Failed to set data for 'DisablePagingExecutive'");
  EXPECT_EQ(ini(), "[386enh]\r\nPageBuffers=128\r\nDMABufferSize=64\r\n");

  // A file that exists but cannot be read is never replaced.
  store.unreadable.insert(kIni);
  EXPECT_EQ(errorOf(platform::kFamily9x, tuned), "Unable to read " + kIni);
  EXPECT_EQ(ini(), "[386enh]\r\nPageBuffers=128\r\nDMABufferSize=64\r\n");
}

TEST_F(SystemConfigTest, SystemIniGoesIntoADriveFolderThroughTheIniCode) {
  using lumaro::testing::nativePath;
  const std::string windows = nativePath("C:\\WINDOWS");
  store.files[nativePath("C:\\WINDOWS\\system.ini")] = "[386enh]\r\nkeep=1\r\n";
  WriteSystemConfig(store, registry, windows, platform::kFamilyNt, tuned);
  EXPECT_EQ(store.files[nativePath("C:\\WINDOWS\\system.ini")],
            "[386enh]\r\nkeep=1\r\nPageBuffers=128\r\nDMABufferSize=64\r\n");
}

}  // namespace
}  // namespace lumaro::system
