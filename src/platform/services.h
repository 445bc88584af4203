#pragma once
#include "platform/event_loop.h"
#include "platform/files.h"
#include "platform/instance_guard.h"
#include "platform/memory.h"
#include "platform/message_box.h"
#include "platform/processor_counters.h"
#include "platform/system_info.h"

namespace lumaro::platform {

// The platform services the program runs on: the real ones in the program, fakes in tests.
struct Services {
  EventLoop& loop;
  MessageBox& messageBox;
  Memory& memory;
  ProcessorPerformance& processor;
  DynamicStatistics& dynamicStatistics;
  SystemInfo& systemInfo;
  Files& files;
  InstanceGuard& instanceGuard;
  RestoreChannel& restoreChannel;
};

}  // namespace lumaro::platform
