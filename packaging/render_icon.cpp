// lumaro-render-icon <folder>: writes the program icon as <folder>/<n>x<n>/apps/lumaro.png for every
// size of the icon theme, so that the installed icons always match the one the program draws.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "app/pictures/program_icon.h"

namespace {

QImage toImage(const lumaro::toolkit::Icon& icon) {
  QImage image(icon.image.width(), icon.image.height(), QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const unsigned alpha = icon.isTransparent(x, y) ? 0x00 : 0xFF;
      image.setPixel(x, y, (alpha << 24) | (icon.image.pixel(x, y) & 0xFFFFFF));
    }
  }
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: lumaro-render-icon <output folder>\n");
    return 2;
  }
  // PNG writing needs a GUI application, not a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString apps = QStringLiteral("%1x%1/apps").arg(size);
    if (!folder.mkpath(apps) ||
        !toImage(lumaro::app::programIcon(size)).save(folder.filePath(apps + "/lumaro.png"))) {
      std::fprintf(stderr, "lumaro-render-icon: cannot write %s/%s\n", argv[1], qPrintable(apps));
      return 1;
    }
  }
  return 0;
}
