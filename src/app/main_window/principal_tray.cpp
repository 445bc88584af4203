// The tray icons: the text icon with the free memory, the animated icon of a run, and their handlers.
#include "app/main_window/principal.h"
#include "app/pictures/tray_pictures.h"
#include "toolkit/drawing/text.h"

namespace lumaro::app {

using namespace toolkit;

namespace {

ImageList& imageList(TfrmPrincipal& form, const char* name, std::vector<Icon> pictures) {
  auto& list = form.create<ImageList>();
  list.setName(name);
  for (Icon& picture : pictures) list.add(std::move(picture));
  return list;
}

}  // namespace

void TfrmPrincipal::createTray() {
  ImageList1 = &imageList(*this, "ImageList1", animationFrames());
  imagelist2 = &imageList(*this, "imagelist2", levelPictures());
  ImageList3 = &imageList(*this, "ImageList3", menuImages());
  createTrayMenu();

  TrayIcon = &create<tray::TTextTrayIcon>(application(), services_.tray, services_.text);
  TrayIcon->setName("TrayIcon");
  TrayIcon->setIconList(imagelist2);
  TrayIcon->setPopupMenu(popupTrayicon);
  TrayIcon->setMinimizeToTray(true);
  TrayIcon->setFont(Font{"Arial", 9, false, clBlack});
  TrayIcon->Options().setOffsetX(1);
  TrayIcon->Options().setOffsetY(-1);
  TrayIcon->OnDblClick = [this](Component&) { TrayIconDblClick(); };
  TrayIcon->setIconVisible(true);

  AniTrayicon = &create<tray::TCoolTrayIcon>(application(), services_.tray);
  AniTrayicon->setName("AniTrayicon");
  AniTrayicon->setIconList(ImageList1);
  AniTrayicon->setIconIndex(3);
  AniTrayicon->setShowHint(false);
  AniTrayicon->setEnabled(false);
  AniTrayicon->setCycleInterval(1000);
  AniTrayicon->setCycleIcons(true);
  AniTrayicon->OnClick = [this](Component&) { AniTrayiconClick(); };

  cbIconColor->OnKeyPress = [this](Component&, char& key) { cbIconColorKeyPress(key); };
  Image2->OnClick = [this](Component&) { btnMinimizarClick(); };
  OnDestroy = [this](Component&) { FormDestroy(); };
}

void TfrmPrincipal::cbIconColorChange() {
  const int index = cbIconColor->itemIndex();
  FormStorage1->WriteSetting("ICONE", intToStr(index));
  // Per colour: the text's colour and the first of the three level pictures.
  static constexpr std::pair<Color, int> kChoices[] = {{clBlack, 0}, {clAqua, 3}, {clWhite, 6}};
  if (index < 0 || index >= static_cast<int>(std::size(kChoices))) return;
  const auto [textColor, first] = kChoices[index];
  Font font = TrayIcon->Font();
  font.color = textColor;
  TrayIcon->setFont(font);
  LevelIconPlenty = imagelist2->image(first);
  LevelIconMedium = imagelist2->image(first + 1);
  LevelIconLow = imagelist2->image(first + 2);
}

void TfrmPrincipal::cbIconColorKeyPress(char& key) {
  key = 0;  // the colour is chosen from the list only
}

void TfrmPrincipal::AniTrayiconClick() {
  CancelRequest = true;
}

void TfrmPrincipal::TrayIconDblClick() {
  TrayIcon->RestoreFromTray();
}

void TfrmPrincipal::cmdConfiguraClick() {
  TrayIcon->RestoreFromTray();
}

void TfrmPrincipal::btnMinimizarClick() {
  setFocus(PanelTitulo);
  TrayIcon->HideToTray();
}

void TfrmPrincipal::FormDestroy() {
  LevelIconPlenty = {};
  LevelIconMedium = {};
  LevelIconLow = {};
  menuBitmap_.reset();
}

}  // namespace lumaro::app
