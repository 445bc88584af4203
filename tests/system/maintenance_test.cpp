#include "system/maintenance.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backends/fake/fake_process_launcher.h"
#include "backends/fake/fake_registry.h"
#include "backends/fake/fake_system.h"
#include "native_path.h"
#include "system/registry_values.h"
#include "toolkit/core/error.h"

namespace lumaro::system {
namespace {

using lumaro::testing::nativePath;

using ::testing::ElementsAre;
using Launch = platform::fake::FakeProcessLauncher::Launch;

TEST(Maintenance, TheProgramPathIsQuotedAndItsFolderIsTheCurrentDirectory) {
  platform::fake::FakeFiles files;
  files.windowsDir = "/home/ana maria/Windows dir";
  platform::fake::FakeProcessLauncher launcher;
  EXPECT_TRUE(RunAndWait(launcher, maintenanceProgram(files), "", kShowNormal));
  launcher.canStart = false;
  EXPECT_FALSE(RunAndWait(launcher, "/opt/x/y.exe", " -a", 0));  // parameters follow without a blank
  EXPECT_THAT(launcher.launches,
              ElementsAre(Launch{'"' + nativePath("/home/ana maria/Windows dir/tuneup.exe") + '"',
                                 nativePath("/home/ana maria/Windows dir/"), 5},
                          Launch{"\"/opt/x/y.exe\" -a", "/opt/x/", 0}));
}

TEST(Maintenance, ADriveFolderIsSplitAtItsOwnSeparator) {
  platform::fake::FakeFiles files;
  files.windowsDir = nativePath("C:\\WINDOWS");
  EXPECT_EQ(maintenanceProgram(files), nativePath("C:\\WINDOWS\\tuneup.exe"));
  platform::fake::FakeProcessLauncher launcher;
  RunAndWait(launcher, maintenanceProgram(files), "", kShowNormal);
  RunAndWait(launcher, "tuneup.exe", "", kShowNormal);  // no folder: the launcher keeps its own
  EXPECT_THAT(launcher.launches, ElementsAre(Launch{'"' + nativePath("C:\\WINDOWS\\tuneup.exe") + '"',
                                                    nativePath("C:\\WINDOWS\\"), 5},
                                             Launch{"\"tuneup.exe\"", "", 5}));
}

TEST(Maintenance, TheIdleSwitchWritesOneOrZeroAndReportsARefusal) {
  platform::fake::FakeRegistry registry;
  writeCpuIdle(registry, true);
  writeCpuIdle(registry, false);
  EXPECT_THAT(registry.writes, ElementsAre("System\\CurrentControlSet\\control\\CPUIdle\\idle=1",
                                           "System\\CurrentControlSet\\control\\CPUIdle\\idle=0"));
  registry.failing = true;
  std::string message;
  try {
    writeCpuIdle(registry, true);
  } catch (const toolkit::Error& error) {
    message = error.what();
  }
  EXPECT_EQ(message, "Failed to set data for 'idle'");
}

}  // namespace
}  // namespace lumaro::system
