#include "backends/linux/desktop/application_fonts.h"

#include <QDir>
#include <QFontDatabase>

namespace lumaro::platform::linuxos {

int installApplicationFonts(const std::string& directory) {
  const QDir fonts(QString::fromStdString(directory), QString(), QDir::Name, QDir::Files | QDir::Readable);
  int loaded = 0;
  for (const QString& file : fonts.entryList({"*.ttf", "*.ttc"})) {
    if (QFontDatabase::addApplicationFont(fonts.filePath(file)) >= 0) ++loaded;
  }
  return loaded;
}

}  // namespace lumaro::platform::linuxos
