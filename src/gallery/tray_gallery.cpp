#include "gallery/tray_gallery.h"

#include "backends/fake/fake_event_loop.h"
#include "backends/fake/fake_system.h"
#include "backends/fake/fake_tray.h"
#include "toolkit/drawing/canvas.h"
#include "toolkit/menus/drawn_menu.h"
#include "tray/text_tray_icon.h"

namespace lumaro::gallery {

using namespace toolkit;

namespace {

using Pictures = std::vector<std::pair<std::string, Bitmap>>;

// The icons side by side, 4 pixels apart, on the tray's dark grey.
Bitmap strip(const std::vector<Icon>& icons, platform::TextService& text) {
  Bitmap picture(static_cast<int>(icons.size()) * 20 + 4, 24, toPixel(rgb(64, 64, 64)));
  Canvas canvas(picture, text);
  for (std::size_t i = 0; i < icons.size(); ++i) canvas.drawIcon(4 + static_cast<int>(i) * 20, 4, icons[i]);
  return picture;
}

// The text icon as the tick draws it, over every level picture, with each colour choice's font.
Bitmap textIcons(const ImageList& levels, platform::TextService& text, const std::string& figure) {
  platform::fake::FakeEventLoop loop;
  platform::fake::FakeMessageBox box;
  platform::fake::FakeTray tray;
  Application app(loop, box);
  tray::TTextTrayIcon icon(nullptr, app, tray, text);
  icon.Options().setOffsetX(1);
  icon.Options().setOffsetY(-1);
  std::vector<Icon> shown;
  for (int i = 0; i < levels.count(); ++i) {
    static constexpr Color kFontColors[] = {clBlack, clAqua, clWhite};
    icon.setFont(Font{"Arial", 9, false, kFontColors[i / 3]});
    icon.setBackgroundIcon(levels.image(i));
    icon.setText(figure);
    shown.push_back(icon.Icon());
  }
  return strip(shown, text);
}

std::vector<Icon> allOf(const ImageList& list) {
  std::vector<Icon> icons;
  for (int i = 0; i < list.count(); ++i) icons.push_back(list.image(i));
  return icons;
}

}  // namespace

Pictures trayPictures(app::TfrmPrincipal& main, platform::TextService& text) {
  Pictures out;
  tray::TBcBarPopupMenu& menu = *main.popupTrayicon;
  {
    MenuPicture picture(menu, text);
    out.emplace_back("popupTrayicon.png", picture.paint(-1));
    out.emplace_back("popupTrayicon-selected.png", picture.paint(12));
  }
  tray::TBcCustomDrawModule* module = menu.DrawModule;
  menu.DrawModule = nullptr;
  {
    MenuPicture plain(menu, text);
    out.emplace_back("popupTrayicon-low-colour.png", plain.paint(12));
  }
  menu.DrawModule = module;

  out.emplace_back("TrayIcon-187.png", textIcons(*main.imagelist2, text, "187"));
  out.emplace_back("TrayIcon-1536.png", textIcons(*main.imagelist2, text, "1536"));
  out.emplace_back("ImageList1.png", strip(allOf(*main.ImageList1), text));
  out.emplace_back("ImageList3.png", strip(allOf(*main.ImageList3), text));
  return out;
}

}  // namespace lumaro::gallery
