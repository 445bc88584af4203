#include "settings/text_encoding.h"

#include <gtest/gtest.h>

namespace lumaro::settings {
namespace {

std::string roundTrip(const std::string& bytes) {
  return encodeText(decodeText(bytes));
}

TEST(TextEncoding, TheMarkNamesTheEncodingAndTextWithoutOneKeepsItsBytes) {
  EXPECT_EQ(decodeText("[S]\r\nK=\xE7\r\n").encoding, TextEncoding::CodePage);
  EXPECT_EQ(decodeText("[S]\r\nK=\xE7\r\n").text, "[S]\r\nK=\xE7\r\n");
  const DecodedText utf8 = decodeText("\xEF\xBB\xBF[S]\r\nK=\xC3\xA7\r\n");
  EXPECT_EQ(utf8.encoding, TextEncoding::Utf8);
  EXPECT_EQ(utf8.text, "[S]\r\nK=\xC3\xA7\r\n");
  // "[S]" and "ç" in UTF-16, both byte orders.
  const DecodedText little = decodeText(std::string("\xFF\xFE[\0S\0]\0\xE7\0", 10));
  EXPECT_EQ(little.encoding, TextEncoding::Utf16LittleEndian);
  EXPECT_EQ(little.text, "[S]\xC3\xA7");
  const DecodedText big = decodeText(std::string("\xFE\xFF\0[\0S\0]\0\xE7", 10));
  EXPECT_EQ(big.encoding, TextEncoding::Utf16BigEndian);
  EXPECT_EQ(big.text, "[S]\xC3\xA7");
  // A part of a mark is no mark.
  EXPECT_EQ(decodeText("\xEF\xBB[S]").encoding, TextEncoding::CodePage);
  EXPECT_EQ(decodeText("").encoding, TextEncoding::CodePage);
}

TEST(TextEncoding, EveryFileComesBackAsTheBytesItWasReadFrom) {
  for (const std::string& bytes : {
           std::string("plain\r\n\x81\xFF"),
           std::string("\xEF\xBB\xBF"),
           std::string("\xEF\xBB\xBFK=\xC3\xA7\xFF\xFE garbage after the mark"),
           // A pair of surrogates (U+1F600), then lone ones of each half, then an odd last byte.
           std::string("\xFF\xFEK\0=\0\x3D\xD8\x00\xDE\x00\xD8x\0\x00\xDC\0\0\x07", 19),
           std::string("\xFE\xFF\xD8\x3D\xDE\x00\xDC\x00\x00\xE7", 10),
           std::string("\xFF\xFE", 2),
       }) {
    EXPECT_EQ(roundTrip(bytes), bytes);
  }
}

TEST(TextEncoding, NewTextGoesIntoTheFileInItsEncoding) {
  DecodedText little = decodeText(std::string("\xFF\xFE", 2));
  little.text = "\xC3\xA7\xF0\x9F\x98\x80";  // "ç" and U+1F600
  EXPECT_EQ(encodeText(little), std::string("\xFF\xFE\xE7\0\x3D\xD8\x00\xDE", 8));
  DecodedText big = decodeText(std::string("\xFE\xFF", 2));
  big.text = "\xC3\xA7";
  EXPECT_EQ(encodeText(big), std::string("\xFE\xFF\0\xE7", 4));
}

}  // namespace
}  // namespace lumaro::settings
