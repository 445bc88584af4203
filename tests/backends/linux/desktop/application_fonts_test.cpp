#include "backends/linux/desktop/application_fonts.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTemporaryDir>

namespace lumaro::platform::linuxos {
namespace {

TEST(ApplicationFontsTest, MakesTheWineFontsAvailable) {
  if (!QDir(kWineFontDirectory).exists()) GTEST_SKIP() << "fonts-wine is not installed";

  EXPECT_GT(installApplicationFonts(), 0);

  EXPECT_TRUE(QFontDatabase::hasFamily("Tahoma"));
  EXPECT_TRUE(QFontDatabase::hasFamily("MS Sans Serif"));
  // The proportional TrueType face, not a fixed-pitch bitmap copy.
  EXPECT_FALSE(QFontInfo(QFont("MS Sans Serif")).fixedPitch());
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
}  // namespace lumaro::platform::linuxos
