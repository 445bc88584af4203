#include "app/pictures/picture_art.h"
#include "app/pictures/tray_pictures.h"

namespace lumaro::app {

using toolkit::Color;
using toolkit::rgb;

namespace {

const std::map<char, Color> kPalette{
    {'k', toolkit::clBlack}, {'w', toolkit::clWhite},  {'g', rgb(128, 128, 128)}, {'G', rgb(212, 208, 200)},
    {'D', rgb(0, 128, 0)},   {'L', rgb(0, 224, 0)},    {'y', rgb(255, 255, 0)},   {'o', rgb(160, 128, 0)},
    {'r', rgb(224, 0, 0)},   {'B', rgb(176, 112, 48)}, {'m', rgb(96, 56, 16)},    {'b', rgb(0, 64, 255)},
    {'n', rgb(0, 0, 128)},
};

// A memory module with a green, a yellow and a red cell.
constexpr std::string_view kMemoryModule = R"(
................
................
................
kkkkkkkkkkkkkkkk
kDDDDDDDDDDDDDDk
kDLLLDyyyDrrrDDk
kDLLLDyyyDrrrDDk
kDLLLDyyyDrrrDDk
kDLLLDyyyDrrrDDk
kDDDDDDDDDDDDDDk
kDDDDDDDDDDDDDDk
kyoyoyoyoyoyoyok
kyoyoyoyoyoyoyok
kkkkkkkkkkkkkkkk
................
................)";

// A clipboard with a written sheet.
constexpr std::string_view kClipboard = R"(
......kkkk......
.....kGwwGk.....
.mmmkGGGGGGkmmm.
.mBBkkkkkkkkBBm.
.mBwwwwwwwwwwBm.
.mBwgggggggwwBm.
.mBwwwwwwwwwwBm.
.mBwggggggwwwBm.
.mBwwwwwwwwwwBm.
.mBwggggggggwBm.
.mBwwwwwwwwwwBm.
.mBwgggggwwwwBm.
.mBwwwwwwwwwwBm.
.mBBBBBBBBBBBBm.
.mmmmmmmmmmmmmm.
................)";

// A monitor showing a waveform.
constexpr std::string_view kMonitor = R"(
................
gggggggggggggggg
gGGGGGGGGGGGGGGg
gGkkkkkkkkkkkkGg
gGkkkkkkkkkkkkGg
gGkkLLkkkkkkkkGg
gGkLkkLkkkkkkLGg
gGLkkkkLkkkkLkGg
gGkkkkkkLkkLkkGg
gGkkkkkkkLLkkkGg
gGkkkkkkkkkkkkGg
gGGGGGGGGGGGGGGg
gggggggggggggggg
......gGGg......
....gggggggg....
................)";

// A blue question mark.
constexpr std::string_view kQuestionMark = R"(
................
.....bbbbbb.....
....bbbbbbbb....
...bbbn..nbbb...
...bbn....bbbn..
....n.....bbbn..
.........bbbn...
........bbbn....
.......bbbn.....
......bbbn......
......bbbn......
.......nn.......
......bbb.......
......bbbn......
.......nn.......
................)";

// A green gear.
constexpr std::string_view kGear = R"(
................
......DLLD......
..DD..DLLD..DD..
..DLDDLLLLDDLD..
...DLLLLLLLLD...
...DLLDDDDLLD...
DDDLLD....DLLDDD
DLLLLD....DLLLLD
DLLLLD....DLLLLD
DDDLLD....DLLDDD
...DLLDDDDLLD...
...DLLLLLLLLD...
..DLDDLLLLDDLD..
..DD..DLLD..DD..
......DLLD......
................)";

// A power symbol; 'X' is its colour.
constexpr std::string_view kPower = R"(
................
.......XX.......
...X...XX...X...
..XX...XX...XX..
.XX....XX....XX.
.XX....XX....XX.
XX.....XX.....XX
XX.....XX.....XX
XX............XX
XX............XX
.XX..........XX.
.XX..........XX.
..XXX......XXX..
...XXXXXXXXXX...
.....XXXXXX.....
................)";

// A red cross.
constexpr std::string_view kCross = R"(
................
.rrr........rrr.
.rrrr......rrrr.
..rrrr....rrrr..
...rrrr..rrrr...
....rrrrrrrr....
.....rrrrrr.....
......rrrr......
......rrrr......
.....rrrrrr.....
....rrrrrrrr....
...rrrr..rrrr...
..rrrr....rrrr..
.rrrr......rrrr.
.rrr........rrr.
................)";

// A red crosshair target.
constexpr std::string_view kCrosshair = R"(
.......r........
.....rrrrr......
...rr..r..rr....
..r....r....r...
..r...rrr...r...
.r...r.r.r...r..
.r..r..r..r..r..
rrrrrrr.rrrrrrr.
.r..r..r..r..r..
.r...r.r.r...r..
..r...rrr...r...
..r....r....r...
...rr..r..rr....
.....rrrrr......
.......r........
................)";

}  // namespace

std::vector<toolkit::Icon> menuImages() {
  const std::map<char, Color> orange{{'X', rgb(255, 128, 0)}};
  const std::map<char, Color> red{{'X', rgb(224, 0, 0)}};
  return {pictureFromArt(kMemoryModule, kPalette),
          pictureFromArt(kClipboard, kPalette),
          pictureFromArt(kMonitor, kPalette),
          pictureFromArt(kQuestionMark, kPalette),
          pictureFromArt(kGear, kPalette),
          pictureFromArt(kPower, orange),
          pictureFromArt(kPower, red),
          pictureFromArt(kCross, kPalette),
          pictureFromArt(kCrosshair, kPalette)};
}

}  // namespace lumaro::app
