// lumaro-gallery <folder>: every widget as Lumaro uses it, and in a few other configurations, as PNG
// files, for reviewing the widgets without starting the program.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "backends/linux/desktop/application_fonts.h"
#include "backends/linux/desktop/text_service.h"
#include "backends/linux/views/view_convert.h"
#include "gallery/edge_cases.h"
#include "gallery/startup_instances.h"
#include "gallery/tray_gallery.h"

using namespace lumaro;

namespace {

bool save(const toolkit::Bitmap& picture, const QDir& folder, const std::string& file) {
  if (platform::linuxos::toQImage(picture).save(folder.filePath(QString::fromStdString(file)))) return true;
  std::fprintf(stderr, "lumaro-gallery: cannot write %s\n", file.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: lumaro-gallery <output folder>\n");
    return 2;
  }
  // Text needs a GUI application, not a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  platform::linuxos::installApplicationFonts();
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "lumaro-gallery: cannot create %s\n", argv[1]);
    return 1;
  }

  bool written = true;
  gallery::StartupInstances lumaro;
  for (toolkit::PaintedControl* widget : lumaro.all()) {
    written = save(widget->picture(), folder, widget->name() + ".png") && written;
  }
  platform::linuxos::QtTextService text;
  for (const auto& [file, picture] : gallery::edgeCases(text))
    written = save(picture, folder, file) && written;
  for (const auto& [file, picture] : gallery::trayPictures(lumaro.mainWindow(), text))
    written = save(picture, folder, file) && written;
  return written ? 0 : 1;
}
