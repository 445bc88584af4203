#include "app/picture_art.h"
#include "app/tray_pictures.h"

namespace lumaro::app {

using toolkit::Color;
using toolkit::rgb;

namespace {

const std::map<char, Color> kPalette{
    {'k', toolkit::clBlack},     {'w', toolkit::clWhite},     {'g', rgb(128, 128, 128)},
    {'G', rgb(212, 208, 200)},   {'D', rgb(0, 128, 0)},       {'L', rgb(0, 224, 0)},
    {'y', rgb(255, 255, 0)},     {'o', rgb(160, 128, 0)},     {'r', rgb(224, 0, 0)},
    {'B', rgb(176, 112, 48)},    {'m', rgb(96, 56, 16)},      {'b', rgb(0, 64, 255)},
    {'n', rgb(0, 0, 128)},
};

toolkit::Icon memoryModule() {
  return pictureFromArt({"................",
                         "................",
                         "................",
                         "kkkkkkkkkkkkkkkk",
                         "kDDDDDDDDDDDDDDk",
                         "kDLLLDyyyDrrrDDk",
                         "kDLLLDyyyDrrrDDk",
                         "kDLLLDyyyDrrrDDk",
                         "kDLLLDyyyDrrrDDk",
                         "kDDDDDDDDDDDDDDk",
                         "kDDDDDDDDDDDDDDk",
                         "kyoyoyoyoyoyoyok",
                         "kyoyoyoyoyoyoyok",
                         "kkkkkkkkkkkkkkkk",
                         "................",
                         "................"},
                        kPalette);
}

toolkit::Icon clipboard() {
  return pictureFromArt({"......kkkk......",
                         ".....kGwwGk.....",
                         ".mmmkGGGGGGkmmm.",
                         ".mBBkkkkkkkkBBm.",
                         ".mBwwwwwwwwwwBm.",
                         ".mBwgggggggwwBm.",
                         ".mBwwwwwwwwwwBm.",
                         ".mBwggggggwwwBm.",
                         ".mBwwwwwwwwwwBm.",
                         ".mBwggggggggwBm.",
                         ".mBwwwwwwwwwwBm.",
                         ".mBwgggggwwwwBm.",
                         ".mBwwwwwwwwwwBm.",
                         ".mBBBBBBBBBBBBm.",
                         ".mmmmmmmmmmmmmm.",
                         "................"},
                        kPalette);
}

toolkit::Icon monitor() {
  return pictureFromArt({"................",
                         "gggggggggggggggg",
                         "gGGGGGGGGGGGGGGg",
                         "gGkkkkkkkkkkkkGg",
                         "gGkkkkkkkkkkkkGg",
                         "gGkkLLkkkkkkkkGg",
                         "gGkLkkLkkkkkkLGg",
                         "gGLkkkkLkkkkLkGg",
                         "gGkkkkkkLkkLkkGg",
                         "gGkkkkkkkLLkkkGg",
                         "gGkkkkkkkkkkkkGg",
                         "gGGGGGGGGGGGGGGg",
                         "gggggggggggggggg",
                         "......gGGg......",
                         "....gggggggg....",
                         "................"},
                        kPalette);
}

toolkit::Icon questionMark() {
  return pictureFromArt({"................",
                         ".....bbbbbb.....",
                         "....bbbbbbbb....",
                         "...bbbn..nbbb...",
                         "...bbn....bbbn..",
                         "....n.....bbbn..",
                         ".........bbbn...",
                         "........bbbn....",
                         ".......bbbn.....",
                         "......bbbn......",
                         "......bbbn......",
                         ".......nn.......",
                         "......bbb.......",
                         "......bbbn......",
                         ".......nn.......",
                         "................"},
                        kPalette);
}

toolkit::Icon gear() {
  return pictureFromArt({"................",
                         "......DLLD......",
                         "..DD..DLLD..DD..",
                         "..DLDDLLLLDDLD..",
                         "...DLLLLLLLLD...",
                         "...DLLDDDDLLD...",
                         "DDDLLD....DLLDDD",
                         "DLLLLD....DLLLLD",
                         "DLLLLD....DLLLLD",
                         "DDDLLD....DLLDDD",
                         "...DLLDDDDLLD...",
                         "...DLLLLLLLLD...",
                         "..DLDDLLLLDDLD..",
                         "..DD..DLLD..DD..",
                         "......DLLD......",
                         "................"},
                        kPalette);
}

toolkit::Icon power(Color color) {
  return pictureFromArt({"................",
                         ".......XX.......",
                         "...X...XX...X...",
                         "..XX...XX...XX..",
                         ".XX....XX....XX.",
                         ".XX....XX....XX.",
                         "XX.....XX.....XX",
                         "XX.....XX.....XX",
                         "XX............XX",
                         "XX............XX",
                         ".XX..........XX.",
                         ".XX..........XX.",
                         "..XXX......XXX..",
                         "...XXXXXXXXXX...",
                         ".....XXXXXX.....",
                         "................"},
                        {{'X', color}});
}

toolkit::Icon cross() {
  return pictureFromArt({"................",
                         ".rrr........rrr.",
                         ".rrrr......rrrr.",
                         "..rrrr....rrrr..",
                         "...rrrr..rrrr...",
                         "....rrrrrrrr....",
                         ".....rrrrrr.....",
                         "......rrrr......",
                         "......rrrr......",
                         ".....rrrrrr.....",
                         "....rrrrrrrr....",
                         "...rrrr..rrrr...",
                         "..rrrr....rrrr..",
                         ".rrrr......rrrr.",
                         ".rrr........rrr.",
                         "................"},
                        kPalette);
}

toolkit::Icon crosshair() {
  return pictureFromArt({".......r........",
                         ".....rrrrr......",
                         "...rr..r..rr....",
                         "..r....r....r...",
                         "..r...rrr...r...",
                         ".r...r.r.r...r..",
                         ".r..r..r..r..r..",
                         "rrrrrrr.rrrrrrr.",
                         ".r..r..r..r..r..",
                         ".r...r.r.r...r..",
                         "..r...rrr...r...",
                         "..r....r....r...",
                         "...rr..r..rr....",
                         ".....rrrrr......",
                         ".......r........",
                         "................"},
                        kPalette);
}

}  // namespace

std::vector<toolkit::Icon> menuImages() {
  return {memoryModule(),        clipboard(),           monitor(), questionMark(), gear(),
          power(rgb(255, 128, 0)), power(rgb(224, 0, 0)), cross(),   crosshair()};
}

}  // namespace lumaro::app
