#pragma once
#include "backends/linux/desktop/clipboard.h"
#include "backends/linux/desktop/desktop.h"
#include "backends/linux/desktop/event_loop.h"
#include "backends/linux/desktop/global_hotkeys.h"
#include "backends/linux/desktop/key_events.h"
#include "backends/linux/desktop/message_notice.h"
#include "backends/linux/desktop/restore_channel.h"
#include "backends/linux/desktop/session_control.h"
#include "backends/linux/desktop/text_service.h"
#include "backends/linux/desktop/tray.h"
#include "backends/linux/system/autostart.h"
#include "backends/linux/system/dynamic_statistics.h"
#include "backends/linux/system/file_store.h"
#include "backends/linux/system/files.h"
#include "backends/linux/system/instance_guard.h"
#include "backends/linux/system/memory.h"
#include "backends/linux/system/paced_memory.h"
#include "backends/linux/system/process_launcher.h"
#include "backends/linux/system/processor.h"
#include "backends/linux/system/registry.h"
#include "backends/linux/system/runtime_directory.h"
#include "backends/linux/system/system_info.h"
#include "backends/linux/system/system_resources.h"
#include "platform/services.h"

namespace lumaro::platform::linuxos {

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

}  // namespace lumaro::platform::linuxos
