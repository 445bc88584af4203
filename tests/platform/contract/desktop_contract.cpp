#include "platform/contract/desktop_contract.h"

namespace lumaro::platform::contract {
namespace {

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(DesktopContract);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ClipboardContract);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(KeyEventsContract);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(MessageNoticeContract);

TEST_P(DesktopContract, TheWorkAreaIsAPlaceOnAColourScreen) {
  const Area area = subject().desktop().workArea();
  EXPECT_GT(area.width, 0);
  EXPECT_GT(area.height, 0);
  const int depth = subject().desktop().colorDepth();
  EXPECT_TRUE(depth == 16 || depth == 24 || depth == 32) << depth;
}

TEST_P(DesktopContract, PlacingOnTopAndBackAndBeepingReturnAtOnce) {
  Desktop& desktop = subject().desktop();
  desktop.releaseProgramWindowsFromTop();  // before any placing: nothing to put back
  desktop.keepProgramWindowsOnTop();
  desktop.keepProgramWindowsOnTop();
  desktop.releaseProgramWindowsFromTop();
  desktop.beep();
}

TEST_P(ClipboardContract, ClearingEmptiesTheClipboardAndAnEmptyOneStaysEmpty) {
  subject().put("a secret");
  ASSERT_EQ(subject().text(), "a secret");
  subject().clipboard().clear();
  EXPECT_EQ(subject().text(), "");
  subject().clipboard().clear();
  EXPECT_EQ(subject().text(), "");
}

TEST_P(KeyEventsContract, KeysThePlatformCannotProduceAreSkippedSilently) {
  for (const std::uint8_t key : {0x00, 0x07, 0xFF}) subject().keyEvents().pressKey(key);
}

TEST_P(MessageNoticeContract, ShowReturnsOnceTheUserDismissesTheBox) {
  subject().dismissNext();
  subject().notice().show("Lumaro", "First line\rSecond line");
  EXPECT_TRUE(subject().sawNotice("Lumaro", "First line\nSecond line"));
}

}  // namespace
}  // namespace lumaro::platform::contract
