// The clipboard and synthetic keys, as far as they go without an X display.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "platform/qt/qt_clipboard.h"
#include "platform/qt/xcb_key_events.h"

namespace lumaro::platform::qt {
namespace {

TEST(QtClipboard, ClearEmptiesTheClipboard) {
  QGuiApplication::clipboard()->setText("senha secreta");
  QtClipboard().clear();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

TEST(XcbKeyEvents, WithoutAnXDisplayKeyPressesAreSkipped) {
  XcbKeyEvents keys;
  keys.pressKey(8);
  keys.pressKey(0x5F);
  keys.pressKey(0);
  SUCCEED();
}

}  // namespace
}  // namespace lumaro::platform::qt
