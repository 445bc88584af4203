#include "platform/qt/desktop_services.h"

namespace lumaro::platform::qt {

Services DesktopServices::services() {
  return Services{.loop = loop,
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
}

}  // namespace lumaro::platform::qt
