// Painting each of Lumaro's widget instances, in the state right after start-up, against filling a
// bitmap of the same size once: the memory-bandwidth floor of producing that picture.
#include <algorithm>
#include <cstdio>

#include "gallery/startup_instances.h"
#include "median_ratio.h"
#include "toolkit/drawing/bitmap.h"

namespace {

constexpr int kPaintsPerRound = 100;
constexpr int kRounds = 100;  // 10 000 paints in all

}  // namespace

int main() {
  lumaro::gallery::StartupInstances lumaro;
  std::printf(
      "Median time of one paint vs. one fill of a bitmap of the same size (%d paints, alternating rounds)\n",
      kPaintsPerRound * kRounds);
  std::uint32_t sink = 0;
  for (lumaro::toolkit::PaintedControl* widget : lumaro.all()) {
    const lumaro::toolkit::Bitmap& picture = widget->picture();
    lumaro::toolkit::Bitmap floor(picture.width(), picture.height());
    std::uint32_t shade = 0;
    const auto m = lumaro::bench::alternatingMedians(
        kRounds,
        [&] {
          for (int i = 0; i < kPaintsPerRound; ++i)
            std::fill(floor.pixels().begin(), floor.pixels().end(), ++shade);
          sink += floor.pixel(0, 0);
        },
        [&] {
          // invalidate() marks the picture stale (repaint() would not: nothing changed); asking for it
          // paints.
          for (int i = 0; i < kPaintsPerRound; ++i) {
            widget->invalidate();
            sink += widget->picture().pixel(0, 0);
          }
        });
    const double fill = m.baseline * 1000 / kPaintsPerRound;
    const double paint = m.measured * 1000 / kPaintsPerRound;
    std::printf("%-20s %3d x %-3d  fill %8.3f us   paint %8.3f us   ratio %6.1f\n", widget->name().c_str(),
                picture.width(), picture.height(), fill, paint, paint / fill);
  }
  return sink == 1 ? 1 : 0;  // keeps the work observable
}
