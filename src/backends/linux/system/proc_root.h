#pragma once
#include <string>

namespace lumaro::platform::linuxos {

// The directory every /proc read goes under: $LUMARO_PROC_DIR, so that tests and the real program can
// be fed recorded machines, else "/proc". The process's own entries (/proc/self/...) never move.
std::string procRoot();

}  // namespace lumaro::platform::linuxos
