#include "system/auto_start.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backends/fake/fake_integration.h"
#include "toolkit/core/error.h"

namespace lumaro::system {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;
using Result = platform::Autostart::Result;

TEST(AutoStart, TheBoxDecidesBetweenThePathAndAnEmptyEntry) {
  platform::fake::FakeAutostart autostart;
  writeAutoRun(autostart, true, "/opt/lumaro/lumaro");
  writeAutoRun(autostart, false, "/opt/lumaro/lumaro");
  EXPECT_THAT(autostart.writes, ElementsAre(Pair("Lumaro", "/opt/lumaro/lumaro"), Pair("Lumaro", "")));
}

TEST(AutoStart, AnUnknownExecutablePathLeavesTheEntryAsItIs) {
  platform::fake::FakeAutostart autostart;
  writeAutoRun(autostart, true, "/opt/lumaro/lumaro");
  EXPECT_THROW(
      {
        try {
          writeAutoRun(autostart, true, "");
        } catch (const toolkit::Error& error) {
          EXPECT_STREQ(error.what(), "Failed to set data for 'Lumaro'");
          throw;
        }
      },
      toolkit::Error);
  EXPECT_EQ(autostart.writes.size(), 1u);
  EXPECT_EQ(autostart.entries["Lumaro"], "/opt/lumaro/lumaro");
  writeAutoRun(autostart, false, "");  // unchecking needs no path
  EXPECT_EQ(autostart.entries["Lumaro"], "");
}

TEST(AutoStart, FailuresRaiseTheRegistryTexts) {
  platform::fake::FakeAutostart autostart;
  const auto messageOf = [&](Result result) {
    autostart.result = result;
    try {
      WriteRunEntry(autostart, "Lumaro", "/opt/lumaro/lumaro");
    } catch (const toolkit::Error& error) {
      return std::string(error.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(messageOf(Result::FolderFailed), "Failed to create key /home/user/.config/autostart");
  EXPECT_EQ(messageOf(Result::EntryFailed), "Failed to set data for 'Lumaro'");
  EXPECT_EQ(messageOf(Result::Written), "no error");
}

}  // namespace
}  // namespace lumaro::system
