#pragma once

class QWidget;

namespace lumaro::platform::linuxos {

// Asks the desktop to give the top-level window no taskbar entry (_NET_WM_STATE_SKIP_TASKBAR). Called
// before each show: the window manager forgets a hidden window's states. Only on X11.
void skipTaskbar(QWidget& window);

}  // namespace lumaro::platform::linuxos
