#pragma once
#include "platform/autostart.h"
#include "platform/clipboard.h"
#include "platform/desktop.h"
#include "platform/event_loop.h"
#include "platform/file_store.h"
#include "platform/files.h"
#include "platform/global_hotkeys.h"
#include "platform/instance_guard.h"
#include "platform/key_events.h"
#include "platform/memory.h"
#include "platform/message_notice.h"
#include "platform/process_launcher.h"
#include "platform/processor_counters.h"
#include "platform/registry.h"
#include "platform/session_control.h"
#include "platform/system_info.h"
#include "platform/system_resources.h"
#include "platform/text_service.h"
#include "platform/tray.h"

namespace lumaro::platform {

// The platform services the program runs on: the real ones in the program, fakes in tests.
struct Services {
  EventLoop& loop;
  MessageNotice& messageBox;
  Memory& memory;
  ProcessorPerformance& processor;
  DynamicStatistics& dynamicStatistics;
  SystemInfo& systemInfo;
  Files& files;
  InstanceGuard& instanceGuard;
  RestoreChannel& restoreChannel;
  FileStore& fileStore;
  Autostart& autostart;
  SessionControl& sessionControl;
  KeyEvents& keyEvents;
  Clipboard& clipboard;
  TextService& text;
  Tray& tray;
  GlobalHotkeys& hotkeys;
  Desktop& desktop;
  SystemResources& systemResources;
  Registry& registry;
  ProcessLauncher& launcher;
};

// The services of a holder whose members bear the same names (the desktop's real set, the fakes), with
// `memory` in place of its own memory service.
template <class Holder>
Services servicesOf(Holder& holder, Memory& memory) {
  return Services{.loop = holder.loop,
                  .messageBox = holder.messageBox,
                  .memory = memory,
                  .processor = holder.processor,
                  .dynamicStatistics = holder.dynamicStatistics,
                  .systemInfo = holder.systemInfo,
                  .files = holder.files,
                  .instanceGuard = holder.instanceGuard,
                  .restoreChannel = holder.restoreChannel,
                  .fileStore = holder.fileStore,
                  .autostart = holder.autostart,
                  .sessionControl = holder.sessionControl,
                  .keyEvents = holder.keyEvents,
                  .clipboard = holder.clipboard,
                  .text = holder.text,
                  .tray = holder.tray,
                  .hotkeys = holder.hotkeys,
                  .desktop = holder.desktop,
                  .systemResources = holder.systemResources,
                  .registry = holder.registry,
                  .launcher = holder.launcher};
}

}  // namespace lumaro::platform
