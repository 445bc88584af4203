#pragma once
#include "backends/fake/fake_desktop.h"
#include "backends/fake/fake_event_loop.h"
#include "backends/fake/fake_file_store.h"
#include "backends/fake/fake_hotkeys.h"
#include "backends/fake/fake_integration.h"
#include "backends/fake/fake_memory.h"
#include "backends/fake/fake_process_launcher.h"
#include "backends/fake/fake_processor.h"
#include "backends/fake/fake_registry.h"
#include "backends/fake/fake_system.h"
#include "backends/fake/fake_system_resources.h"
#include "backends/fake/fake_text_service.h"
#include "backends/fake/fake_tray.h"
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
  FakeFileStore fileStore;
  FakeAutostart autostart;
  FakeSessionControl sessionControl;
  FakeKeyEvents keyEvents;
  FakeClipboard clipboard;
  FakeTextService text;
  FakeTray tray;
  FakeHotkeys hotkeys;
  FakeDesktop desktop;
  FakeSystemResources systemResources;
  FakeRegistry registry;
  FakeProcessLauncher launcher;

  // A real memory service in place of the fake one, for measuring runs without a desktop.
  Memory* realMemory = nullptr;

  Services services() { return servicesOf(*this, realMemory != nullptr ? *realMemory : memory); }
};

}  // namespace lumaro::platform::fake
