// The program: the real platform plugged into the logic.
#include <QApplication>

#include "app/program.h"
#include "platform/linux/flock_instance_guard.h"
#include "platform/linux/linux_file_store.h"
#include "platform/linux/linux_files.h"
#include "platform/linux/linux_system_info.h"
#include "platform/linux/posix_process_launcher.h"
#include "platform/linux/proc_memory.h"
#include "platform/linux/proc_processor.h"
#include "platform/linux/regedit_registry.h"
#include "platform/linux/runtime_directory.h"
#include "platform/linux/unsupported_dynamic_statistics.h"
#include "platform/linux/unsupported_system_resources.h"
#include "platform/linux/xdg_autostart.h"
#include "platform/qt/application_fonts.h"
#include "platform/qt/form_view.h"
#include "platform/qt/local_restore_channel.h"
#include "platform/qt/logind_session_control.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_event_loop.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_text_service.h"
#include "platform/qt/qt_tray.h"
#include "platform/qt/session_end_bridge.h"
#include "platform/qt/views/drawn_popup_menu_view.h"
#include "platform/qt/xcb_global_hotkeys.h"
#include "platform/qt/xcb_key_events.h"

using namespace lumaro;

int main(int argc, char** argv) {
  QApplication qtApplication(argc, argv);
  // The program lives in the tray: hiding its last window must not end it.
  QApplication::setQuitOnLastWindowClosed(false);
  platform::qt::installApplicationFonts();

  platform::qt::QtEventLoop loop;
  platform::qt::QtMessageBox messageBox;
  platform::linuxos::ProcMemory memory;
  platform::linuxos::ProcProcessorPerformance processor;
  platform::linuxos::UnsupportedDynamicStatistics dynamicStatistics;
  platform::linuxos::LinuxSystemInfo systemInfo;
  platform::linuxos::LinuxFiles files;
  platform::linuxos::FlockInstanceGuard instanceGuard;
  platform::qt::LocalRestoreChannel restoreChannel(platform::linuxos::runtimeDirectory());
  platform::linuxos::LinuxFileStore fileStore;
  platform::linuxos::XdgAutostart autostart;
  platform::qt::LogindSessionControl sessionControl;
  platform::qt::XcbKeyEvents keyEvents;
  platform::qt::QtClipboard clipboard;
  platform::qt::QtTextService text;
  platform::qt::QtTray tray;
  platform::qt::XcbGlobalHotkeys hotkeys;
  platform::qt::QtDesktop desktop;
  platform::linuxos::UnsupportedSystemResources systemResources;
  platform::linuxos::RegeditRegistry registry(fileStore, files.windowsDirectory());
  platform::linuxos::PosixProcessLauncher launcher;
  platform::Services services{.loop = loop,
                              .messageBox = messageBox,
                              .memory = memory,
                              .processor = processor,
                              .dynamicStatistics = dynamicStatistics,
                              .systemInfo = systemInfo,
                              .files = files,
                              .instanceGuard = instanceGuard,
                              .restoreChannel = restoreChannel,
                              .fileStore = fileStore,
                              .autostart = autostart,
                              .sessionControl = sessionControl,
                              .keyEvents = keyEvents,
                              .clipboard = clipboard,
                              .text = text,
                              .tray = tray,
                              .hotkeys = hotkeys,
                              .desktop = desktop,
                              .systemResources = systemResources,
                              .registry = registry,
                              .launcher = launcher};

  app::Program program(services);
  // Each window gets its on-screen view when it is first shown.
  program.application().setViewFactory([&program](toolkit::Form& form) {
    return std::make_shared<platform::qt::FormView>(form, program.application());
  });
  if (auto exitCode = program.start()) return *exitCode;
  tray::TBcBarPopupMenu& trayMenu = *program.mainWindow().popupTrayicon;
  platform::qt::DrawnPopupMenuView trayMenuView(trayMenu, trayMenu, text, program.application());
  platform::qt::SessionEndBridge sessionEnd([&program] { program.endSession(); });
  return program.run();
}
