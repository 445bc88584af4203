#include "platform/qt/application_fonts.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QTemporaryDir>

namespace lumaro::platform::qt {
namespace {

TEST(ApplicationFontsTest, MakesTheWineFontsAvailable) {
  if (!QDir(kWineFontDirectory).exists()) GTEST_SKIP() << "fonts-wine is not installed";

  EXPECT_GT(installApplicationFonts(), 0);

  EXPECT_TRUE(QFontDatabase::hasFamily("Tahoma"));
  EXPECT_TRUE(QFontDatabase::hasFamily("MS Sans Serif"));
}

TEST(ApplicationFontsTest, SkipsWhatIsNotThereOrNotAFont) {
  EXPECT_EQ(installApplicationFonts("/nonexistent/fonts"), 0);

  QTemporaryDir dir;
  QFile bogus(dir.filePath("broken.ttf"));
  ASSERT_TRUE(bogus.open(QIODevice::WriteOnly));
  bogus.write("not a font");
  bogus.close();
  EXPECT_EQ(installApplicationFonts(dir.path().toStdString()), 0);
}

}  // namespace
}  // namespace lumaro::platform::qt
