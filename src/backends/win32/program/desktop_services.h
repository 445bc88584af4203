#pragma once
#include "backends/win32/desktop/clipboard.h"
#include "backends/win32/desktop/desktop.h"
#include "backends/win32/desktop/event_loop.h"
#include "backends/win32/desktop/global_hotkeys.h"
#include "backends/win32/desktop/message_notice.h"
#include "backends/win32/desktop/restore_channel.h"
#include "backends/win32/desktop/text_service.h"
#include "backends/win32/desktop/tray.h"
#include "backends/win32/system/autostart.h"
#include "backends/win32/system/file_store.h"
#include "backends/win32/system/files.h"
#include "backends/win32/system/instance_guard.h"
#include "backends/win32/system/memory.h"
#include "backends/win32/system/process_launcher.h"
#include "backends/win32/system/processor.h"
#include "backends/win32/system/registry.h"
#include "backends/win32/system/session.h"
#include "backends/win32/system/system_info.h"
#include "backends/win32/system/system_resources.h"
#include "platform/services.h"

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
