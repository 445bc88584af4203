#include "backends/linux/program/display_guard.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace lumaro::platform::linuxos {

namespace {

// A message and its context; the context's strings live as long as the program (they name source
// files, functions and categories).
struct HeldMessage {
  QtMsgType type;
  const char* file;
  int line;
  const char* function;
  const char* category;
  QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> held;

std::string displayName() {
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const char* x11 = std::getenv("DISPLAY");
  std::string name;
  if (x11 != nullptr && *x11 != '\0') name = std::string("DISPLAY=") + x11;
  if (wayland != nullptr && *wayland != '\0')
    name += (name.empty() ? "" : ", ") + std::string("WAYLAND_DISPLAY=") + wayland;
  return name.empty() ? "neither DISPLAY nor WAYLAND_DISPLAY is set" : name;
}

void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "lumaro: no display could be opened (%s); start Lumaro in a desktop session\n",
                 displayName().c_str());
    std::_Exit(1);
  }
  held.push_back({type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

DisplayGuard::DisplayGuard() {
  previousHandler = qInstallMessageHandler(holdOrFail);
}

DisplayGuard::~DisplayGuard() {
  qInstallMessageHandler(previousHandler);
  for (const HeldMessage& message : std::exchange(held, {})) {
    const QMessageLogContext context(message.file, message.line, message.function, message.category);
    qt_message_output(message.type, context, message.text);
  }
}

}  // namespace lumaro::platform::linuxos
