// The tray icons, their pictures and the tray menu of the main window, over the fake platform.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/program/program.h"
#include "backends/fake/fake_services.h"
#include "native_path.h"
#include "toolkit/pixel_art.h"

namespace lumaro::app {
namespace {

using platform::TrayMouse;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using toolkit::Color;
using toolkit::rgb;
using toolkit::test::art;
using toolkit::test::colorAt;

constexpr std::uint64_t kMiB = 1024 * 1024;
const std::string kIni = lumaro::testing::nativePath("/opt/lumaro/Lumaro.ini");
// Both tray icons share the one entry the tray knows.
constexpr platform::Tray::IconId kEntry = 1;

class TrayTest : public ::testing::Test {
 protected:
  TrayTest() {
    setFree(300);
    fakes.processor.queue({0}, 0);
  }
  TfrmPrincipal& started() {
    EXPECT_EQ(program.start(), std::nullopt);
    return program.mainWindow();
  }
  void setFree(std::uint64_t megabytes) {
    fakes.memory.setStatus(
        {.memoryLoad = 40, .totalPhysical = 512 * kMiB, .availablePhysical = megabytes * kMiB});
  }
  void tick() {
    fakes.processor.queue({0}, time_ += 1000);
    fakes.loop.advance(500);
  }
  // The colour of a pixel of the picture the tray shows for an icon, as 0xAARRGGBB.
  std::uint32_t shownPixel(platform::Tray::IconId id, int x, int y) {
    return fakes.tray.icons.at(id).image.argb.at(static_cast<std::size_t>(y) * 16 + x);
  }

  platform::fake::FakeServices fakes;
  platform::Services services = fakes.services();
  Program program{services};
  std::int64_t time_ = 0;
};

TEST_F(TrayTest, StartUpShowsAPlainSquareAndKeepsTheAnimationAtRest) {
  TfrmPrincipal& w = started();
  ASSERT_EQ(fakes.tray.icons.size(), 1u);
  EXPECT_EQ(fakes.tray.icons.at(kEntry).tip, "");
  EXPECT_EQ(fakes.tray.icons.at(kEntry).image.argb, std::vector<std::uint32_t>(256, 0xFFC0C0C0));
  EXPECT_EQ(w.TrayIcon->PopupMenu(), w.popupTrayicon);
  EXPECT_TRUE(w.TrayIcon->MinimizeToTray());
  EXPECT_EQ(w.TrayIcon->Font(), (toolkit::Font{"Arial", 9, false, toolkit::clBlack}));
  EXPECT_EQ(w.TrayIcon->Options().OffsetX(), 1);
  EXPECT_EQ(w.TrayIcon->Options().OffsetY(), -1);

  EXPECT_FALSE(w.AniTrayicon->IconVisible());
  EXPECT_FALSE(w.AniTrayicon->CycleIcons());
  EXPECT_FALSE(w.AniTrayicon->Enabled());
  EXPECT_EQ(w.AniTrayicon->CycleInterval(), 1000u);
  EXPECT_EQ(w.AniTrayicon->IconList(), w.ImageList1);

  EXPECT_EQ(w.Otimizar10->caption, "Otimização rápida : 25MB");
  EXPECT_EQ(w.Otimizar30->caption, "Otimização rápida : 76MB");
  EXPECT_EQ(w.Otimizar60->caption, "Otimização rápida : 153MB");
  EXPECT_EQ(w.popupTrayicon->DrawModule, w.BcCustomDrawModule1);
}

TEST(TrayColourDepth, ScreensOfFewerThan256ColoursGetThePlainMenu) {
  for (const auto& [depth, drawn] : {std::pair{4, false}, std::pair{8, true}, std::pair{16, true}}) {
    platform::fake::FakeServices fakes;
    fakes.memory.setStatus({.memoryLoad = 40, .totalPhysical = 512 * kMiB, .availablePhysical = 300 * kMiB});
    fakes.processor.queue({0}, 0);
    fakes.desktop.depth = depth;
    platform::Services services = fakes.services();
    Program program(services);
    ASSERT_EQ(program.start(), std::nullopt);
    EXPECT_EQ(program.mainWindow().popupTrayicon->DrawModule != nullptr, drawn) << depth;
  }
}

TEST_F(TrayTest, TheIconColourSetsTheTextColourAndTheLevelIconsAndIsStoredAtOnce) {
  TfrmPrincipal& w = started();
  const Color textColours[] = {toolkit::clBlack, 0xFFFF00, toolkit::clWhite};
  for (int index : {1, 2, 0}) {
    w.cbIconColor->userSelect(index);
    EXPECT_THAT(fakes.fileStore.files[kIni], HasSubstr("ICONE=" + std::to_string(index)));
    EXPECT_EQ(w.TrayIcon->Font().color, textColours[index]);
    EXPECT_EQ(w.LevelIconPlenty, w.imagelist2->image(3 * index));
    EXPECT_EQ(w.LevelIconMedium, w.imagelist2->image(3 * index + 1));
    EXPECT_EQ(w.LevelIconLow, w.imagelist2->image(3 * index + 2));
  }
  w.cbIconColor->userSelect(2);
  w.cbIconColor->userSelect(3);  // the empty entry: stored, and nothing else changes
  EXPECT_THAT(fakes.fileStore.files[kIni], HasSubstr("ICONE=3"));
  EXPECT_EQ(w.TrayIcon->Font().color, toolkit::clWhite);
  EXPECT_EQ(w.LevelIconLow, w.imagelist2->image(8));

  EXPECT_EQ(w.cbIconColor->userKeyPress('p'), 0);  // typing is swallowed
  EXPECT_EQ(w.cbIconColor->itemIndex(), 3);
}

TEST_F(TrayTest, TheTickDrawsTheFreeFigureOverTheLevelPicture) {
  TfrmPrincipal& w = started();
  const std::pair<std::uint64_t, const toolkit::Icon*> levels[] = {{300, &w.LevelIconMedium},
                                                                   {363, &w.LevelIconMedium},
                                                                   {364, &w.LevelIconPlenty},  // 58, 70, 71 %
                                                                   {133, &w.LevelIconLow},
                                                                   {134, &w.LevelIconMedium}};  // 25, 26 %
  for (const auto& [free, level] : levels) {
    setFree(free);
    tick();
    EXPECT_EQ(w.TrayIcon->Text(), std::to_string(free));
    EXPECT_EQ(w.TrayIcon->BackgroundIcon(), *level) << free;
  }
  EXPECT_EQ(shownPixel(kEntry, 5, 12), 0xFFFFFF00u);  // the medium level's yellow bar
  EXPECT_EQ(shownPixel(kEntry, 2, 12), 0xFF000000u);  // the box outline
  EXPECT_EQ(shownPixel(kEntry, 0, 0), 0xFF7B7B7Bu);   // the outer edge
}

TEST_F(TrayTest, AStoredEmptyColourLeavesThePlainSquareWithTheFigure) {
  fakes.fileStore.files[kIni] = "[TfrmPrincipal]\r\nICONE=3\r\n";
  TfrmPrincipal& w = started();
  tick();
  EXPECT_TRUE(w.TrayIcon->BackgroundIcon().empty());
  EXPECT_EQ(shownPixel(kEntry, 0, 0), 0xFFC0C0C0u);
  EXPECT_EQ(w.TrayIcon->Text(), "300");
}

TEST_F(TrayTest, LevelPicturesArePixelExact) {
  TfrmPrincipal& w = started();
  ASSERT_EQ(w.imagelist2->count(), 9);
  const std::map<Color, char> key{{rgb(123, 123, 123), 'o'}, {rgb(198, 198, 198), 'i'},
                                  {toolkit::clWhite, 'w'},   {toolkit::clBlack, 'k'},
                                  {rgb(0, 255, 0), 'g'},     {rgb(64, 64, 64), 'd'},
                                  {rgb(255, 255, 0), 'y'},   {rgb(192, 192, 192), 's'}};
  const std::vector<std::string> box{
      "oooooooooooooooo", "oiiiiiiiiiiiiiii", "oiwwwwwwwwwwwwwi", "oiwwwwwwwwwwwwwi",
      "oiwwwwwwwwwwwwwi", "oiwwwwwwwwwwwwwi", "oiwwwwwwwwwwwwwi", "oiwwwwwwwwwwwwwi",
      "oiwwwwwwwwwwwwwi", "oiwwwwwwwwwwwwwi", "oikkkkkkkkkkkkki", "oikgggggggggggki",
      "oikgggggggggggki", "oikgggggggggggki", "oikkkkkkkkkkkkki", "oiiiiiiiiiiiiiii"};
  EXPECT_EQ(art(w.imagelist2->image(0).image, {0, 0, 16, 16}, key), box);
  EXPECT_TRUE(w.imagelist2->image(0).transparent == std::vector<std::uint8_t>(256, 0));

  // Black face, yellow level; the outer edge is silver, the list's mask colour, so see-through.
  std::vector<std::string> dark = box;
  for (std::string& row : dark) {
    for (char& c : row) c = std::string_view("sdkwy").at(std::string_view("oiwkg").find(c));
  }
  const toolkit::Icon& black = w.imagelist2->image(7);
  EXPECT_EQ(art(black.image, {0, 0, 16, 16}, key), dark);
  EXPECT_TRUE(black.isTransparent(0, 5));
  EXPECT_FALSE(black.isTransparent(1, 5));
}

TEST_F(TrayTest, TheAnimationSweepsARedBlockUpTheModuleAndBack) {
  TfrmPrincipal& w = started();
  ASSERT_EQ(w.ImageList1->count(), 9);
  ASSERT_EQ(w.ImageList3->count(), 9);
  // Where along the diagonal (x + y) the block's red pixels lie, on average.
  std::vector<int> blockAt;
  for (int frame = 0; frame < 9; ++frame) {
    const toolkit::Bitmap& picture = w.ImageList1->image(frame).image;
    int sum = 0, count = 0;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        if (colorAt(picture, x, y) != rgb(255, 0, 0)) continue;
        sum += x + y;
        ++count;
      }
    }
    ASSERT_GT(count, 0) << frame;
    blockAt.push_back(sum / count);
  }
  EXPECT_THAT(blockAt, ElementsAre(22, 19, 15, 11, 8, 11, 15, 19, 22));
  EXPECT_EQ(colorAt(w.ImageList1->image(0).image, 0, 15), toolkit::clBlack);  // on black
}

TEST_F(TrayTest, TheMenuHoldsItsSeventeenItemsAndTheirCommands) {
  TfrmPrincipal& w = started();
  std::vector<std::string> items;
  for (const toolkit::MenuItem* item : w.popupTrayicon->items()) {
    items.push_back(item->name() + " " + item->caption + " " + std::to_string(item->imageIndex));
    EXPECT_EQ(item->tag, 0);
  }
  EXPECT_THAT(
      items, ElementsAre("cmdRestart Reiniciar Windows 4", "cmdSuspend Suspender Windows 5",
                         "cmdShutdown Desligar Windows 6", "N5 - -1",
                         "LimparClipboard1 Esvaziar área de transferência 1", "N1 - -1",
                         "Otimizar60 Otimização rápida : 153MB 8", "Otimizar30 Otimização rápida : 76MB 8",
                         "Otimizar10 Otimização rápida : 25MB 8", "N2 - -1", "OtimizarRam1 &Otimizar Ram 0",
                         "N6 - -1", "ConfigurarLumaro1 &Configurar Lumaro 2", "Ajudaonline2 &Ajuda on-line 3",
                         "N7 - -1", "FecharOtimizador1 &Fechar Otimizador 7", "N8 - -1"));

  w.cmdRestart->click();
  w.cmdShutdown->click();
  w.cmdSuspend->click();
  w.LimparClipboard1->click();
  EXPECT_THAT(fakes.sessionControl.calls, ElementsAre("privilege", "exit 6", "privilege", "exit 13"));
  EXPECT_FALSE(fakes.keyEvents.pressed.empty());
  EXPECT_EQ(fakes.clipboard.clears, 1);

  w.ConfigurarLumaro1->click();
  EXPECT_TRUE(w.visible());
  w.FecharOtimizador1->click();
  EXPECT_TRUE(program.application().terminated());
  EXPECT_THAT(fakes.fileStore.files[kIni], HasSubstr("FormVersion=0"));
}

// Hosts that draw the menu themselves get the same items, and a choice there runs the same command.
TEST_F(TrayTest, TheTextIconsMenuGoesToTheTrayForHostsThatDrawIt) {
  TfrmPrincipal& w = started();
  ASSERT_EQ(fakes.tray.menus.size(), 1u);  // the text icon's: the animation has none
  const platform::TrayMenu& menu = fakes.tray.menus.begin()->second;
  std::vector<std::string> captions;
  int pictures = 0;
  for (const platform::TrayMenuItem& item : menu.items()) {
    captions.push_back(item.separator ? "-" : item.caption);
    if (item.image.width == 16 && item.image.height == 16) ++pictures;
  }
  EXPECT_THAT(captions,
              ElementsAre("Reiniciar Windows", "Suspender Windows", "Desligar Windows", "-",
                          "Esvaziar área de transferência", "-", "Otimização rápida : 153MB",
                          "Otimização rápida : 76MB", "Otimização rápida : 25MB", "-", "&Otimizar Ram", "-",
                          "&Configurar Lumaro", "&Ajuda on-line", "-", "&Fechar Otimizador", "-"));
  EXPECT_EQ(pictures, 11);

  EXPECT_FALSE(w.visible());
  menu.choose(12);  // Configurar Lumaro
  EXPECT_TRUE(w.visible());
  menu.choose(4);
  EXPECT_EQ(fakes.clipboard.clears, 1);
}

TEST_F(TrayTest, DoubleClickRestoresRightClickOpensTheMenuAndTheAnimationStopsARun) {
  TfrmPrincipal& w = started();
  std::vector<std::pair<int, int>> openedAt;
  w.popupTrayicon->setPopupListener([&](int x, int y) { openedAt.emplace_back(x, y); });
  fakes.tray.press(kEntry, TrayMouse::RightDown);
  EXPECT_THAT(openedAt, ElementsAre(std::pair{1000, 740}));

  for (TrayMouse mouse :
       {TrayMouse::LeftDown, TrayMouse::LeftUp, TrayMouse::LeftDoubleClick, TrayMouse::LeftUp})
    fakes.tray.press(kEntry, mouse);
  EXPECT_TRUE(w.visible());
  w.Image2->click();  // the title bar's minimize picture
  EXPECT_FALSE(w.visible());
  w.WMRestoreRequest();
  EXPECT_TRUE(w.visible());

  // During a run the one tray entry shows the animation, and a click on it asks the run to stop.
  w.TrkBarLiberar->setPosition(w.TrkBarLiberar->max() - 100);
  const std::vector<std::uint32_t> textPicture = fakes.tray.icons.at(kEntry).image.argb;
  int reports = 0;
  w.MM->OnProgress = [&, handler = w.MM->OnProgress.handler()](toolkit::Component& sender, int progress) {
    if (++reports == 3) {
      EXPECT_EQ(shownPixel(kEntry, 0, 15), 0xFF000000u);  // the frame's black ground
      fakes.tray.press(kEntry, TrayMouse::LeftDown);
      fakes.tray.press(kEntry, TrayMouse::LeftUp);
      EXPECT_TRUE(w.CancelRequest);
    }
    handler(sender, progress);
  };
  fakes.tray.operations.clear();
  w.btnDefrag->click();
  EXPECT_EQ(reports, 3);
  EXPECT_FALSE(w.CancelRequest);
  // The entry changed its picture to the animation and back: it never left the tray.
  EXPECT_THAT(fakes.tray.operations, ElementsAre("modify 1", "modify 1"));
  EXPECT_EQ(fakes.tray.icons.at(kEntry).image.argb, textPicture);
  fakes.tray.press(kEntry, TrayMouse::LeftDown);  // between runs a click reaches the text icon
  fakes.tray.press(kEntry, TrayMouse::LeftUp);
  fakes.loop.advance(1000);
  EXPECT_FALSE(w.CancelRequest);
}

// The main window's item handlers on a canvas with the fake's text: characters are boxes 6 wide
// (5 drawn) and, in the menu's 11-pixel font, 11 tall.
class MenuItemDrawingTest : public TrayTest {
 protected:
  MenuItemDrawingTest() : w(started()) { canvas.font = w.popupTrayicon->MenuFont; }
  void draw(toolkit::MenuItem& item, tray::TOwnerDrawState state, const toolkit::Rect& rect = kItem) {
    bool defaultDraw = true;
    w.BcCustomDrawModule1DrawMenuItem(item, canvas, rect, state, defaultDraw);
    EXPECT_FALSE(defaultDraw);
  }
  static constexpr toolkit::Rect kItem{10, 4, 190, 26};

  TfrmPrincipal& w;
  toolkit::Bitmap picture{200, 30, toolkit::toPixel(rgb(1, 2, 3))};
  toolkit::Canvas canvas{picture, fakes.text};
};

TEST_F(MenuItemDrawingTest, ItemsAre22HighAnd32WiderAndSeparatorsKeepTheirSize) {
  for (toolkit::MenuItem* item : {w.OtimizarRam1, w.popupTrayicon->items()[3]}) {
    int width = 100;
    int height = 9;
    bool defaultMeasure = true;
    w.BcCustomDrawModule1MeasureMenuItem(*item, width, height, defaultMeasure);
    EXPECT_FALSE(defaultMeasure);
    EXPECT_EQ(std::pair(width, height), item->isSeparator() ? std::pair(100, 9) : std::pair(132, 22));
  }
}

TEST_F(MenuItemDrawingTest, ANormalItemIsAWhiteToGreyBandWithTheImageAt11AndTheTextAt38) {
  draw(*w.OtimizarRam1, {});
  EXPECT_EQ(colorAt(picture, 10, 4), toolkit::clWhite);
  EXPECT_EQ(colorAt(picture, 189, 25), rgb(193, 193, 193));  // 255 + 179 × (192 − 255) div 180
  EXPECT_EQ(colorAt(picture, 21, 10), toolkit::clBlack);     // the module's corner, 3 rows down
  EXPECT_EQ(colorAt(picture, 21, 7), rgb(252, 252, 252));    // above it the image is clear
  // The text from x = 48, centred: (22 − 11 − 1) div 2 = 5 down, with "O" underlined.
  EXPECT_EQ(colorAt(picture, 48, 9), toolkit::clBlack);
  EXPECT_NE(colorAt(picture, 47, 9), toolkit::clBlack);
  EXPECT_NE(colorAt(picture, 48, 8), toolkit::clBlack);
  EXPECT_EQ(colorAt(picture, 53, 19), toolkit::clBlack);
  EXPECT_NE(colorAt(picture, 53, 18), toolkit::clBlack);

  draw(*w.OtimizarRam1, {.checked = true});
  EXPECT_EQ(colorAt(picture, 12, 6), toolkit::clBlack);
  EXPECT_EQ(colorAt(picture, 187, 23), toolkit::clBlack);
  EXPECT_NE(colorAt(picture, 13, 7), toolkit::clBlack);

  draw(*w.OtimizarRam1, {.disabled = true});
  EXPECT_EQ(colorAt(picture, 48, 9), rgb(128, 128, 128));
  EXPECT_EQ(colorAt(picture, 21, 10), toolkit::clBlack);  // the image keeps its enabled look
}

TEST_F(MenuItemDrawingTest, TheSelectedItemIsFramedWithADiagonalBandToItsTagColourAndWhiteText) {
  draw(*w.OtimizarRam1, {.selected = true});
  EXPECT_EQ(colorAt(picture, 10, 4), rgb(128, 128, 128));
  EXPECT_EQ(colorAt(picture, 189, 25), rgb(128, 128, 128));
  EXPECT_EQ(colorAt(picture, 11, 5), rgb(1, 2, 3));  // between frame and band nothing is drawn
  EXPECT_EQ(colorAt(picture, 12, 6), toolkit::clWhite);
  EXPECT_EQ(colorAt(picture, 187, 23), rgb(8, 8, 8));    // k = 992: 255 − 992 × 255 div 1024
  EXPECT_EQ(colorAt(picture, 48, 9), toolkit::clWhite);  // 36 from the band: (18 − 11 − 1) div 2 = 3 down

  w.OtimizarRam1->tag = 0x0000FF;
  draw(*w.OtimizarRam1, {.selected = true, .checked = true});
  EXPECT_EQ(colorAt(picture, 186, 22), rgb(255, 16, 16));  // k = 961
  EXPECT_EQ(colorAt(picture, 187, 23), toolkit::clBlack);  // the checked frame on the band's edge
}

TEST_F(MenuItemDrawingTest, SeparatorsAreAGreyLineThatStopsShortOfTheHint) {
  toolkit::MenuItem& line = *w.popupTrayicon->items()[3];
  const toolkit::Rect rect{10, 4, 190, 13};
  draw(line, {}, rect);
  EXPECT_EQ(colorAt(picture, 10, 4), toolkit::clWhite);
  EXPECT_EQ(colorAt(picture, 10, 8), rgb(128, 128, 128));
  EXPECT_EQ(colorAt(picture, 169, 8), rgb(128, 128, 128));
  EXPECT_NE(colorAt(picture, 170, 8), rgb(128, 128, 128));

  line.hint = "ab";  // 12 wide: from 190 − 12 − 15, the line up to 190 − 12 − 20
  draw(line, {}, rect);
  EXPECT_EQ(colorAt(picture, 163, 4), toolkit::clBlack);
  EXPECT_NE(colorAt(picture, 162, 4), toolkit::clBlack);
  EXPECT_EQ(colorAt(picture, 157, 8), rgb(128, 128, 128));
  EXPECT_NE(colorAt(picture, 158, 8), rgb(128, 128, 128));
}

TEST_F(MenuItemDrawingTest, TheWholeMenuBesideItsBar) {
  toolkit::MenuPicture menu(*w.popupTrayicon, fakes.text);
  // 11 items of 22 and 6 separators of 9 inside the frame; items start after the 48-pixel bar.
  EXPECT_EQ(menu.size().height, 3 + 11 * 22 + 6 * 9 + 3);
  EXPECT_EQ(menu.itemRect(0).left, 3 + 48);
  EXPECT_EQ(menu.itemRect(0).height(), 22);
  const toolkit::Bitmap& shown = menu.paint(-1);
  EXPECT_EQ(colorAt(shown, 3, 3), toolkit::clBlack);                      // the bar's border
  EXPECT_EQ(colorAt(shown, 3, 3 + 296 - 48), toolkit::clWhite);           // its picture, bottom-aligned
  EXPECT_EQ(colorAt(shown, 3 + 48, 3), toolkit::clWhite);                 // the first item's band
  EXPECT_EQ(colorAt(shown, 3 + 48 + 11 + 6, 3 + 3 + 1), rgb(0, 128, 0));  // its gear
}

TEST_F(TrayTest, DestroyingTheWindowFreesTheLevelIcons) {
  TfrmPrincipal& w = started();
  w.beforeDestruction();
  EXPECT_TRUE(w.LevelIconPlenty.empty());
  EXPECT_TRUE(w.LevelIconLow.empty());
}

}  // namespace
}  // namespace lumaro::app
