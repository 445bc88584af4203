#pragma once
#include "toolkit/drawing/icon.h"

namespace lumaro::app {

// The program's picture: a memory module seen from the front, a green board with four chips and a row
// of gold contacts, the corners around it transparent. Drawn for any size from 16 to 256 pixels square
// (smaller or larger sizes are clamped to that range); the finer details (chip highlights, the key
// notch) appear where there are pixels enough for them.
toolkit::Icon programIcon(int size);

}  // namespace lumaro::app
