#pragma once
#include "platform/services.h"
#include "platform/win32/mutex_instance_guard.h"
#include "platform/win32/nt_family_statistics.h"
#include "platform/win32/run_key_autostart.h"
#include "platform/win32/ui/gdi_text_service.h"
#include "platform/win32/ui/shell_tray.h"
#include "platform/win32/ui/win32_desktop.h"
#include "platform/win32/ui/win32_event_loop.h"
#include "platform/win32/ui/win32_global_hotkeys.h"
#include "platform/win32/ui/win32_message_notice.h"
#include "platform/win32/ui/window_restore_channel.h"
#include "platform/win32/win32_file_store.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_memory.h"
#include "platform/win32/win32_process_launcher.h"
#include "platform/win32/win32_processor.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_session.h"
#include "platform/win32/win32_system_info.h"

namespace lumaro::platform::win32 {

// Every real service of Windows in one place, for the program. Construct it on the user-interface
// thread: the loop, the tray, the hotkeys and the restore channel own windows of that thread.
struct DesktopServices {
  Win32EventLoop loop;
  Win32MessageNotice messageBox;
  Win32Memory memory;
  Win32ProcessorPerformance processor;
  NtDynamicStatistics dynamicStatistics;
  Win32SystemInfo systemInfo;
  Win32Files files;
  MutexInstanceGuard instanceGuard;
  WindowRestoreChannel restoreChannel;
  Win32FileStore fileStore;
  RunKeyAutostart autostart;
  Win32SessionControl sessionControl;
  Win32KeyEvents keyEvents;
  Win32Clipboard clipboard;
  GdiTextService text;
  ShellTray tray;
  Win32GlobalHotkeys hotkeys;
  Win32Desktop desktop;
  NtSystemResources systemResources;
  Win32Registry registry;
  Win32ProcessLauncher launcher;

  Services services() { return servicesOf(*this, memory); }
};

}  // namespace lumaro::platform::win32
