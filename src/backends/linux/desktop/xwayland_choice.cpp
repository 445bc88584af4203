#include "backends/linux/desktop/xwayland_choice.h"

#include <algorithm>
#include <cstdlib>

namespace lumaro::platform::linuxos {

namespace {
bool isSet(const char* value) {
  return value != nullptr && *value != '\0';
}
}  // namespace

bool runThroughXWayland(const char* waylandDisplay, const char* xDisplay, const char* chosenPlatform,
                        std::span<char*> arguments) {
  if (!isSet(waylandDisplay) || !isSet(xDisplay) || isSet(chosenPlatform)) return false;
  return std::none_of(arguments.begin(), arguments.end(), [](const char* argument) {
    const std::string_view text = argument != nullptr ? argument : "";
    return text == "-platform" || text == "--platform" || text.starts_with("-platform=") ||
           text.starts_with("--platform=");
  });
}

void chooseXWaylandOnWaylandSessions(int argc, char** argv) {
  if (runThroughXWayland(std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"),
                         std::getenv("QT_QPA_PLATFORM"),
                         std::span<char*>(argv, static_cast<std::size_t>(argc)))) {
    setenv("QT_QPA_PLATFORM", "xcb", 1);
  }
}

}  // namespace lumaro::platform::linuxos
