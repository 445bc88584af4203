#include "backends/shared/readable_text.h"

#include <gtest/gtest.h>

namespace lumaro::platform {
namespace {

using toolkit::rgb;

constexpr toolkit::Color kClassicFace = rgb(192, 192, 192);

TEST(ReadableText, ATextMadeForTheClassicFaceTakesTheSchemesColourOnlyWhereItWouldVanish) {
  const toolkit::Color darkFace = rgb(32, 32, 32), schemeText = rgb(250, 250, 250);
  // On the classic face everything stays as designed, the lime read-outs included.
  for (toolkit::Color text : {toolkit::clBlack, toolkit::clLime, toolkit::clRed, toolkit::clNavy}) {
    EXPECT_EQ(readableText(text, kClassicFace, kClassicFace, toolkit::clBlack), text);
  }
  // A black heading on a dark face takes the scheme's text colour; red still stands out there.
  EXPECT_EQ(readableText(toolkit::clBlack, darkFace, kClassicFace, schemeText), schemeText);
  EXPECT_EQ(readableText(toolkit::clNavy, toolkit::clBlack, kClassicFace, schemeText), schemeText);
  EXPECT_EQ(readableText(toolkit::clRed, darkFace, kClassicFace, schemeText), toolkit::clRed);
  // A colour never meant to stand out on grey is the design's, and a scheme whose own text is no
  // better changes nothing.
  EXPECT_EQ(readableText(rgb(200, 200, 200), rgb(210, 210, 210), kClassicFace, toolkit::clBlack),
            rgb(200, 200, 200));
  EXPECT_EQ(readableText(toolkit::clBlack, darkFace, kClassicFace, rgb(20, 20, 20)), toolkit::clBlack);
}

}  // namespace
}  // namespace lumaro::platform
