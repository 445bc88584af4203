#include "tray/tray_figure.h"

namespace lumaro::tray {

std::string trayFigure(std::int64_t freeMB) {
  constexpr std::int64_t kFirstGigabyteFigure = 10000;
  if (freeMB < kFirstGigabyteFigure) return std::to_string(freeMB);
  return std::to_string(freeMB / 1024) + "G";
}

std::string trayTip(std::int64_t freeMB) {
  return "Lumaro: " + std::to_string(freeMB) + " MB livres";
}

}  // namespace lumaro::tray
