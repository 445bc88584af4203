// The desktop clipboard and the program's windows on top (synthetic keys need an X server:
// tests/gui/key_events_x11_test.cpp).
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

#include "backends/linux/desktop/clipboard.h"
#include "backends/linux/desktop/desktop.h"

namespace lumaro::platform::linuxos {
namespace {

TEST(QtClipboard, ClearEmptiesTheClipboard) {
  QGuiApplication::clipboard()->setText("senha secreta");
  QtClipboard().clear();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

TEST(QtDesktop, WindowsGoOnTopOnlyUntilReleasedAndStayShown) {
  QWidget main;
  QWidget hidden;
  QWidget progress;
  progress.setWindowFlag(Qt::WindowStaysOnTopHint, true);  // on top by itself
  main.show();
  const auto onTop = [](const QWidget& window) {
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  };

  QtDesktop desktop;
  desktop.keepProgramWindowsOnTop();
  desktop.keepProgramWindowsOnTop();  // every second while the alert is shown
  EXPECT_TRUE(onTop(main));
  EXPECT_TRUE(onTop(hidden));
  EXPECT_TRUE(main.isVisible());
  EXPECT_FALSE(hidden.isVisible());

  desktop.releaseProgramWindowsFromTop();
  EXPECT_FALSE(onTop(main));
  EXPECT_FALSE(onTop(hidden));
  EXPECT_TRUE(onTop(progress));
  EXPECT_TRUE(main.isVisible());
  EXPECT_FALSE(main.testAttribute(Qt::WA_ShowWithoutActivating));
  {
    QWidget gone;
    desktop.keepProgramWindowsOnTop();
  }
  desktop.releaseProgramWindowsFromTop();  // a window destroyed meanwhile is skipped
  EXPECT_FALSE(onTop(main));
}

}  // namespace
}  // namespace lumaro::platform::linuxos
