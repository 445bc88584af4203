#include "toolkit/drawing/text.h"

#include <gtest/gtest.h>

namespace lumaro::toolkit {
namespace {

TEST(SameText, LettersOfLatinAlphabetsMatchTheirOtherCaseButNotAnotherAccent) {
  EXPECT_TRUE(sameText("chkboxCache_Checked", "CHKBOXCACHE_CHECKED"));
  EXPECT_TRUE(sameText("Ç", "ç"));
  EXPECT_TRUE(sameText("AÇÃO_Ü", "ação_ü"));
  EXPECT_TRUE(sameText("Ÿ", "ÿ"));
  EXPECT_TRUE(sameText("ĀŁŒŽ", "āłœž"));  // Latin Extended-A, both parities of its pairs
  EXPECT_TRUE(sameText("Þ", "þ"));
  EXPECT_FALSE(sameText("ç", "c"));  // accents are kept
  EXPECT_FALSE(sameText("é", "è"));
  EXPECT_FALSE(sameText("×", "÷"));  // U+00D7 and U+00F7 are signs, not a pair of letters
  EXPECT_FALSE(sameText("İ", "i"));  // the dotted and dotless i depend on the language
  EXPECT_FALSE(sameText("ı", "I"));
  EXPECT_FALSE(sameText("Ç", "çx"));
  EXPECT_FALSE(sameText("", "a"));
}

TEST(SameText, BytesThatAreNotUtf8MatchOnlyThemselves) {
  EXPECT_TRUE(sameText("\xC7", "\xC7"));
  EXPECT_FALSE(sameText("\xC7", "\xE7"));  // the Latin-1 bytes of "Ç" and "ç" are no characters here
  EXPECT_FALSE(sameText("\xC3", "\xC3\x87"));
  EXPECT_FALSE(sameText("\xC3\x87", "\xC3\xA7\x80"));
}

}  // namespace
}  // namespace lumaro::toolkit
