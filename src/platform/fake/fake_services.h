#pragma once
#include "platform/fake/fake_event_loop.h"
#include "platform/fake/fake_memory.h"
#include "platform/fake/fake_processor.h"
#include "platform/fake/fake_system.h"
#include "platform/services.h"

namespace lumaro::platform::fake {

// Every fake service in one place, for tests that build the whole program headless.
struct FakeServices {
  FakeEventLoop loop;
  FakeMessageBox messageBox;
  FakeMemory memory;
  FakeProcessorPerformance processor;
  FakeDynamicStatistics dynamicStatistics;
  FakeSystemInfo systemInfo;
  FakeFiles files;
  FakeInstanceGuard instanceGuard;
  FakeRestoreChannel restoreChannel;

  Services services() {
    return Services{loop,       messageBox, memory,        processor,     dynamicStatistics,
                    systemInfo, files,      instanceGuard, restoreChannel};
  }
};

}  // namespace lumaro::platform::fake
