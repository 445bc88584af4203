// lumaro-write-icon <file>: the program's picture as the icon file of the executable's resources, at
// the sizes Explorer, the taskbar and the title bar ask for, so that they show what the tray draws.
#include <cstdio>
#include <fstream>

#include "app/pictures/icon_file.h"
#include "app/pictures/program_icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: lumaro-write-icon <file>\n");
    return 2;
  }
  std::vector<lumaro::toolkit::Icon> pictures;
  for (int size : {16, 20, 24, 32, 40, 48, 64, 256}) pictures.push_back(lumaro::app::programIcon(size));
  std::ofstream file(argv[1], std::ios::binary);
  file << lumaro::app::iconFile(pictures);
  file.close();
  if (!file) {
    std::fprintf(stderr, "lumaro-write-icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
