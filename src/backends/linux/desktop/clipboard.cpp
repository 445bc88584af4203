#include "platform/linux/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace lumaro::platform::qt {

void QtClipboard::clear() {
  QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
}

}  // namespace lumaro::platform::qt
