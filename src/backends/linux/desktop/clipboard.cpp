#include "backends/linux/desktop/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace lumaro::platform::linuxos {

void QtClipboard::clear() {
  QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
}

}  // namespace lumaro::platform::linuxos
