#include "settings/cp1252.h"

#include <gtest/gtest.h>

namespace lumaro::settings {
namespace {

TEST(Cp1252, PortugueseTextIsOneBytePerLetter) {
  EXPECT_EQ(utf8ToCp1252("Memória Alvo"), "Mem\xF3ria Alvo");
  EXPECT_EQ(cp1252ToUtf8("Mem\xF3ria Alvo"), "Memória Alvo");
  EXPECT_EQ(utf8ToCp1252("Otimização rápida"), "Otimiza\xE7\xE3o r\xE1pida");
  EXPECT_EQ(utf8ToCp1252("€ “aspas” …"),
            "\x80 \x93"
            "aspas\x94 \x85");
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Cp1252, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
  EXPECT_EQ(utf8ToCp1252("日本"), "??");
  EXPECT_EQ(utf8ToCp1252("a\xF0\x9F\x98\x80"
                         "b"),
            "a?b");  // outside the basic plane
  // Broken UTF-8: a stray continuation byte, a truncated sequence, an overlong form, a surrogate.
  EXPECT_EQ(utf8ToCp1252("\x80x"), "?x");
  EXPECT_EQ(utf8ToCp1252("x\xC3"), "x?");
  EXPECT_EQ(utf8ToCp1252("\xC0\xAF"), "??");
  EXPECT_EQ(utf8ToCp1252("\xED\xA0\x80"), "???");
}

}  // namespace
}  // namespace lumaro::settings
