#include "app/program/help_location.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "backends/fake/fake_system.h"
#include "native_path.h"

namespace lumaro::app {
namespace {

using lumaro::testing::nativePath;

class HelpLocationTest : public ::testing::Test {
 protected:
  HelpLocationTest() { files.executable = "/opt/lumaro/bin/lumaro"; }

  std::string installed() const {
    return platform::utf8Of(
        (platform::pathFromUtf8(nativePath("/opt/lumaro/bin")) / kInstalledHelpFolder / "lumaro.html")
            .lexically_normal());
  }

  platform::fake::FakeFiles files;
};

TEST_F(HelpLocationTest, APortableCopyBesideTheProgramComesFirst) {
  files.existing = {nativePath("/opt/lumaro/bin/lumaro.html"), installed()};
  EXPECT_EQ(helpFilePath(files), nativePath("/opt/lumaro/bin/lumaro.html"));
}

TEST_F(HelpLocationTest, AnInstalledProgramOpensTheHelpInItsDataFolder) {
  files.existing = {installed()};
  EXPECT_EQ(helpFilePath(files), installed());
  EXPECT_EQ(installed().find(".."), std::string::npos);
}

TEST_F(HelpLocationTest, WithoutEitherTheMissingPageBesideTheProgramIsNamed) {
  EXPECT_EQ(helpFilePath(files), nativePath("/opt/lumaro/bin/lumaro.html"));
}

}  // namespace
}  // namespace lumaro::app
