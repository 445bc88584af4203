#pragma once
#include <cstdint>
#include <string>

namespace lumaro::tray {

// The free-memory figure as the 16 × 16 tray picture shows it: megabytes below 10000, whole gigabytes
// with a "G" from there on, so that five-digit figures are never cut to their middle digits.
std::string trayFigure(std::int64_t freeMB);

// The tray icon's tip: the free memory in megabytes, which the picture may only give in gigabytes.
std::string trayTip(std::int64_t freeMB);

}  // namespace lumaro::tray
