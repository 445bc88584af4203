#pragma once
#include "platform/linux/flock_instance_guard.h"
#include "platform/linux/linux_file_store.h"
#include "platform/linux/linux_files.h"
#include "platform/linux/linux_system_info.h"
#include "platform/linux/paced_memory.h"
#include "platform/linux/posix_process_launcher.h"
#include "platform/linux/proc_memory.h"
#include "platform/linux/proc_processor.h"
#include "platform/linux/qt/desktop_global_hotkeys.h"
#include "platform/linux/qt/local_restore_channel.h"
#include "platform/linux/qt/logind_session_control.h"
#include "platform/linux/qt/qt_clipboard.h"
#include "platform/linux/qt/qt_desktop.h"
#include "platform/linux/qt/qt_event_loop.h"
#include "platform/linux/qt/qt_message_box.h"
#include "platform/linux/qt/qt_text_service.h"
#include "platform/linux/qt/qt_tray.h"
#include "platform/linux/qt/xcb_key_events.h"
#include "platform/linux/regedit_registry.h"
#include "platform/linux/runtime_directory.h"
#include "platform/linux/unsupported_dynamic_statistics.h"
#include "platform/linux/unsupported_system_resources.h"
#include "platform/linux/xdg_autostart.h"
#include "platform/services.h"

namespace lumaro::platform::qt {

// Every real service of the Linux desktop in one place, for the program and for measuring it. Needs a
// QApplication.
struct DesktopServices {
  QtEventLoop loop;
  QtMessageBox messageBox;
  linuxos::ProcMemory memory;
  linuxos::PacedMemory pacedMemory{memory, linuxos::PacedMemory::pauseFromEnvironment()};
  linuxos::ProcProcessorPerformance processor;
  linuxos::UnsupportedDynamicStatistics dynamicStatistics;
  linuxos::LinuxSystemInfo systemInfo;
  linuxos::LinuxFiles files;
  linuxos::FlockInstanceGuard instanceGuard;
  LocalRestoreChannel restoreChannel{linuxos::runtimeDirectory()};
  linuxos::LinuxFileStore fileStore;
  linuxos::XdgAutostart autostart;
  LogindSessionControl sessionControl;
  XcbKeyEvents keyEvents;
  QtClipboard clipboard;
  QtTextService text;
  QtTray tray;
  DesktopGlobalHotkeys hotkeys;
  QtDesktop desktop;
  linuxos::UnsupportedSystemResources systemResources;
  linuxos::RegeditRegistry registry{fileStore, files.windowsDirectory()};
  linuxos::PosixProcessLauncher launcher;

  Services services();
};

}  // namespace lumaro::platform::qt
