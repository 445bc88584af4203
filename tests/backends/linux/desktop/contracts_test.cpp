// The Qt-side services of the Linux backend held to the platform contracts, on the offscreen platform.
// The tray, the global hotkeys and the session control need a desktop or a system bus: their suites
// run on the fakes, and the desktop's own behaviour is checked by the GUI tests.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "backends/linux/desktop/clipboard.h"
#include "backends/linux/desktop/desktop.h"
#include "backends/linux/desktop/event_loop.h"
#include "backends/linux/desktop/key_events.h"
#include "backends/linux/desktop/key_grab_hotkeys.h"
#include "backends/linux/desktop/message_notice.h"
#include "backends/linux/desktop/restore_channel.h"
#include "backends/linux/desktop/text_service.h"
#include "backends/linux/system/temp_dir.h"
#include "platform/contract/desktop_contract.h"
#include "platform/contract/instance_contract.h"
#include "platform/contract/plain_subjects.h"

namespace lumaro::platform::linuxos {
namespace {

using namespace contract;
using linuxos::testing::TempDir;

LUMARO_CONTRACT(EventLoopContract, Qt, fresh<EventLoopOf<QtEventLoop>>);

struct LocalRestoreChannelSubject : RestoreChannelSubject {
  RestoreChannel& listener() override { return listening; }
  RestoreChannel& sender() override { return sending; }
  std::string freeName() override { return "LUMARO2"; }
  bool runLoopUntil(const std::function<bool()>& done) override { return QTest::qWaitFor(done, 3000); }
  TempDir runtime;
  LocalRestoreChannel listening{runtime.path()};
  LocalRestoreChannel sending{runtime.path()};
};
LUMARO_CONTRACT(RestoreChannelContract, Qt, fresh<LocalRestoreChannelSubject>);

LUMARO_CONTRACT(TextServiceContract, Qt, fresh<TextServiceOf<QtTextService>>);

struct QtDesktopSubject : DesktopSubject, ClipboardSubject, KeyEventsSubject, MessageNoticeSubject {
  Desktop& desktop() override { return desktopReal; }
  Clipboard& clipboard() override { return clipboardReal; }
  void put(const std::string& text) override {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
  }
  std::string text() override { return QGuiApplication::clipboard()->text().toStdString(); }
  KeyEvents& keyEvents() override { return keys; }
  MessageNotice& notice() override { return messages; }
  // Presses OK on the box once it shows; should it never show, ends its loop instead of hanging.
  void dismissNext() override {
    poll.callOnTimeout([this] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box == nullptr || !box->isVisible()) continue;
        seen = {box->windowTitle().toStdString(), box->text().toStdString()};
        box->button(QMessageBox::Ok)->click();
      }
    });
    poll.start(10);
    safety.setSingleShot(true);
    safety.callOnTimeout([] { QCoreApplication::exit(); });
    safety.start(5000);
  }
  bool sawNotice(const std::string& caption, const std::string& text) override {
    return seen == std::pair{caption, text};
  }
  QtDesktop desktopReal;
  QtClipboard clipboardReal;
  XcbKeyEvents keys;
  QtMessageBox messages;
  QTimer poll;
  QTimer safety;
  std::pair<std::string, std::string> seen;
};
LUMARO_CONTRACT(DesktopContract, Qt, fresh<QtDesktopSubject>);
LUMARO_CONTRACT(ClipboardContract, Qt, fresh<QtDesktopSubject>);
LUMARO_CONTRACT(KeyEventsContract, Qt, fresh<QtDesktopSubject>);
LUMARO_CONTRACT(MessageNoticeContract, Qt, fresh<QtDesktopSubject>);

// Without an X server nothing registers; the suite checks that nothing is held then.
LUMARO_CONTRACT(GlobalHotkeysContract, Qt, fresh<UnpressedHotkeysOf<XcbGlobalHotkeys>>);

}  // namespace
}  // namespace lumaro::platform::linuxos
