#include "backends/shared/popup_place.h"

#include <gtest/gtest.h>

namespace lumaro::platform {
namespace {

using toolkit::Point;

TEST(PopupPlace, OpensBelowRightOfThePointAndFlipsWhereTheWorkAreaEnds) {
  const toolkit::Rect room{0, 0, 1024, 738};  // a task bar below
  const toolkit::Size menu{150, 200};
  EXPECT_EQ(popupPlace({100, 100}, menu, room), (Point{100, 100}));
  EXPECT_EQ(popupPlace({874, 538}, menu, room), (Point{874, 538})) << "fits exactly";
  EXPECT_EQ(popupPlace({1000, 100}, menu, room), (Point{850, 100}));
  EXPECT_EQ(popupPlace({100, 730}, menu, room), (Point{100, 530}));
  EXPECT_EQ(popupPlace({1010, 735}, menu, room), (Point{860, 535}));
}

TEST(PopupPlace, NeverStartsBeforeTheWorkArea) {
  const toolkit::Rect second{1024, 40, 1324, 240};  // a small screen right of the first, a bar above
  EXPECT_EQ(popupPlace({1100, 100}, {250, 180}, second), (Point{1024, 40}));
}

}  // namespace
}  // namespace lumaro::platform
