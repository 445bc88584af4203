#include "tray/tray_figure.h"

#include <gtest/gtest.h>

namespace lumaro::tray {
namespace {

TEST(TrayFigure, MegabytesBelowTenThousandWholeGigabytesFromThere) {
  EXPECT_EQ(trayFigure(0), "0");
  EXPECT_EQ(trayFigure(300), "300");
  EXPECT_EQ(trayFigure(9999), "9999");
  EXPECT_EQ(trayFigure(10000), "9G");  // 9.77 GiB, truncated like every figure
  EXPECT_EQ(trayFigure(23608), "23G");
  EXPECT_EQ(trayFigure(102400), "100G");
}

}  // namespace
}  // namespace lumaro::tray
