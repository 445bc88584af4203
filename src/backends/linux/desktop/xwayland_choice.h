#pragma once
#include <span>
#include <string_view>

namespace lumaro::platform::linuxos {

// Whether a Wayland session that also offers an X display should be used through XWayland: absolute
// popup positions, keep-on-top and synthetic keys need X. A platform the user chose (the
// QT_QPA_PLATFORM variable or a -platform argument) always stands.
bool runThroughXWayland(const char* waylandDisplay, const char* xDisplay, const char* chosenPlatform,
                        std::span<char*> arguments);

// Sets QT_QPA_PLATFORM to "xcb" when runThroughXWayland says so. Call before the QApplication exists.
void chooseXWaylandOnWaylandSessions(int argc, char** argv);

}  // namespace lumaro::platform::linuxos
