#include "settings/value_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace lumaro::settings {
namespace {

TEST(ValueText, TrimRemovesBlanksAndControlCharactersAtBothEnds) {
  EXPECT_EQ(trimText(" \t\r\n Ctrl+Alt+M \x01\x1F"), "Ctrl+Alt+M");
  EXPECT_EQ(trimText("a b"), "a b");
  EXPECT_EQ(trimText(" \x7F "), "\x7F");
  EXPECT_EQ(trimText("\x01\x02"), "");
}

TEST(ValueText, TextsInQuotesGetOneMorePair) {
  EXPECT_EQ(quotedForStore("\"Ctrl+Alt+M\""), "\"\"Ctrl+Alt+M\"\"");
  EXPECT_EQ(quotedForStore("'x'"), "\"'x'\"");
  EXPECT_EQ(quotedForStore("\""), "\"\"\"");
  EXPECT_EQ(quotedForStore("\"x'"), "\"x'");
  EXPECT_EQ(quotedForStore("plain"), "plain");
  EXPECT_EQ(quotedForStore(""), "");
}

TEST(ValueText, IntegersConvertOnlyAsAWhole) {
  EXPECT_EQ(parseInteger("42"), 42);
  EXPECT_EQ(parseInteger("-1"), -1);
  EXPECT_EQ(parseInteger("+7"), 7);
  EXPECT_EQ(parseInteger("2147483647"), std::numeric_limits<int>::max());
  for (const char* bad : {"", "abc", "12abc", "1.5", "+", "+-1", "--1", " 1", "2147483648", "0x10"}) {
    EXPECT_EQ(parseInteger(bad), std::nullopt) << bad;
  }
}

TEST(ValueText, ProfileIntegersAlsoTakeHexadecimal) {
  EXPECT_EQ(parseProfileInteger("0x1F"), 31);
  EXPECT_EQ(parseProfileInteger("0XfF"), 255);
  EXPECT_EQ(parseProfileInteger("0xFFFFFFFF"), -1);
  EXPECT_EQ(parseProfileInteger("-5"), -5);
  for (const char* bad : {"0x", "0xG", "0x-1", "0x100000000"})
    EXPECT_EQ(parseProfileInteger(bad), std::nullopt) << bad;
}

TEST(ValueText, FloatingValuesUseAPointWhateverTheLocale) {
  EXPECT_EQ(formatFloat(90), "90");
  EXPECT_EQ(formatFloat(2.5), "2.5");
  EXPECT_EQ(formatFloat(0.1), "0.1");
  EXPECT_EQ(formatFloat(-15), "-15");

  EXPECT_EQ(parseFloat("2.5", ","), 2.5);
  EXPECT_EQ(parseFloat("2,5", ","), 2.5);
  EXPECT_EQ(parseFloat("2.5", "."), 2.5);
  EXPECT_EQ(parseFloat("+1e2", "."), 100.0);
  for (const char* bad : {"", "2,5", "abc", "1.2.3", "inf", "nan", "1e999", "0x10"}) {
    EXPECT_EQ(parseFloat(bad, "."), std::nullopt) << bad;
  }
  EXPECT_EQ(parseFloat("1,000.5", ","), std::nullopt);
}

}  // namespace
}  // namespace lumaro::settings
