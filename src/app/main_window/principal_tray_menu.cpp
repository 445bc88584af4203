// The tray menu: its items, its bar, and the main window's handlers that measure and draw its items.
#include "app/main_window/principal.h"
#include "app/pictures/tray_pictures.h"
#include "monitor/memory_figures.h"
#include "toolkit/controls/access_key.h"
#include "toolkit/drawing/text.h"

namespace lumaro::app {

using namespace toolkit;
using tray::TGradientStyle;

namespace {

constexpr int kItemHeight = 22;
constexpr int kExtraWidth = 32;
constexpr int kImageLeft = 11;
constexpr int kTextLeft = 38;
constexpr int kSelectedTextLeft = 36;  // from the highlight, which sits 2 pixels in

// Fills `rect` with a gradient made off-screen in `offscreen` and copied to the rectangle's top left.
void fillGradient(Canvas& canvas, const Rect& rect, Color from, Color to, TGradientStyle style,
                  Bitmap& offscreen) {
  offscreen.setSize(rect.width(), rect.height());
  tray::GradientFill(offscreen, from, to, style);
  canvas.draw(rect.left, rect.top, offscreen);
}

}  // namespace

void TfrmPrincipal::createTrayMenu() {
  BcCustomDrawModule1 = &create<tray::TBcCustomDrawModule>();
  BcCustomDrawModule1->setName("BcCustomDrawModule1");
  BcCustomDrawModule1->OnMeasureMenuItem = [this](Component&, MenuItem& item, Canvas&, int& width,
                                                  int& height, bool, bool& defaultMeasure) {
    BcCustomDrawModule1MeasureMenuItem(item, width, height, defaultMeasure);
  };
  BcCustomDrawModule1->OnDrawMenuItem = [this](Component&, MenuItem& item, Canvas& canvas, const Rect& rect,
                                               tray::TOwnerDrawState state, bool, bool& defaultDraw) {
    BcCustomDrawModule1DrawMenuItem(item, canvas, rect, state, defaultDraw);
  };

  popupTrayicon = &create<tray::TBcBarPopupMenu>();
  tray::TBcBarPopupMenu& menu = *popupTrayicon;
  menu.setName("popupTrayicon");
  menu.Images = ImageList3;
  menu.MenuFont = Font{"MS Sans Serif", 11, false, clWindowText};
  menu.Separators = {true, 64, menu.MenuFont};
  menu.DrawModule = BcCustomDrawModule1;
  menu.Bar.Width = 48;
  menu.Bar.Space = 0;
  menu.Bar.GradientStart = clHighlight;
  menu.Bar.GradientEnd = clGradientActiveCaption;
  menu.Bar.GradientStyle = TGradientStyle::gsHorizontal;
  menu.Bar.Border = clBlack;
  menu.Bar.BarBackPicture = {barBackPicture(), true};
  menu.Bar.BarPicture = {barPicture(), false};
  menu.Bar.BarCaption = {"  Lumaro 2", Font{"Tahoma", 32, true, clWhite, true}, clBlack, clBlack, 2};

  const auto item = [&menu](const char* name, const char* caption, int image) {
    MenuItem& made = menu.addItem(name, caption);
    made.imageIndex = image;
    return &made;
  };
  const auto command = [this](void (TfrmPrincipal::*handler)()) {
    return [this, handler](Component&) { (this->*handler)(); };
  };
  cmdRestart = item("cmdRestart", "Reiniciar Windows", 4);
  cmdRestart->OnClick = command(&TfrmPrincipal::cmdRestartClick);
  cmdSuspend = item("cmdSuspend", "Suspender Windows", 5);
  cmdSuspend->OnClick = command(&TfrmPrincipal::cmdSuspendClick);
  cmdShutdown = item("cmdShutdown", "Desligar Windows", 6);
  cmdShutdown->OnClick = command(&TfrmPrincipal::cmdShutdownClick);
  item("N5", "-", -1);
  LimparClipboard1 = item("LimparClipboard1", "Esvaziar área de transferência", 1);
  LimparClipboard1->OnClick = command(&TfrmPrincipal::LimparClipboard1Click);
  item("N1", "-", -1);
  Otimizar60 = item("Otimizar60", "Otimizar para", 8);
  Otimizar60->OnClick = command(&TfrmPrincipal::Otimizar60Click);
  Otimizar30 = item("Otimizar30", "Otimizar para", 8);
  Otimizar30->OnClick = command(&TfrmPrincipal::Otimizar30Click);
  Otimizar10 = item("Otimizar10", "Otimizar para", 8);
  Otimizar10->OnClick = command(&TfrmPrincipal::Otimizar10Click);
  item("N2", "-", -1);
  OtimizarRam1 = item("OtimizarRam1", "&Otimizar Ram", 0);
  OtimizarRam1->OnClick = command(&TfrmPrincipal::cmdOtimizaRamClick);
  item("N6", "-", -1);
  ConfigurarLumaro1 = item("ConfigurarLumaro1", "&Configurar Lumaro", 2);
  ConfigurarLumaro1->OnClick = command(&TfrmPrincipal::cmdConfiguraClick);
  Ajudaonline2 = item("Ajudaonline2", "&Ajuda on-line", 3);
  Ajudaonline2->OnClick = command(&TfrmPrincipal::btnHelpClick);
  item("N7", "-", -1);
  FecharOtimizador1 = item("FecharOtimizador1", "&Fechar Otimizador", 7);
  FecharOtimizador1->OnClick = command(&TfrmPrincipal::cmdFecharClick);
  item("N8", "-", -1);
}

void TfrmPrincipal::detachMenuDrawingOnLowColour() {
  // Below 256 colours the gradients would dither: the menu draws its items plainly.
  if (services_.desktop.colorDepth() < 8) popupTrayicon->DrawModule = nullptr;
}

void TfrmPrincipal::captionQuickRunItems(std::int64_t totalMB) {
  const auto caption = [totalMB](int percent) {
    return "Otimização rápida : " + intToStr(monitor::shareOf(totalMB, percent)) + "MB";
  };
  Otimizar10->caption = caption(5);
  Otimizar30->caption = caption(15);
  Otimizar60->caption = caption(30);
}

void TfrmPrincipal::cmdFecharClick() {
  close();
}

void TfrmPrincipal::BcCustomDrawModule1MeasureMenuItem(MenuItem& item, int& width, int& height,
                                                       bool& defaultMeasure) {
  defaultMeasure = false;
  if (item.isSeparator()) return;
  height = kItemHeight;
  width += kExtraWidth;
}

void TfrmPrincipal::BcCustomDrawModule1DrawMenuItem(MenuItem& item, Canvas& canvas, const Rect& rect,
                                                    tray::TOwnerDrawState state, bool& defaultDraw) {
  defaultDraw = false;
  if (!menuBitmap_) menuBitmap_ = std::make_unique<Bitmap>();
  if (item.isSeparator()) {
    fillGradient(canvas, rect, clWhite, clBtnFace, TGradientStyle::gsHorizontal, *menuBitmap_);
    const int hintWidth = canvas.textExtent(item.hint).width;
    canvas.brush.style = BrushStyle::Clear;
    canvas.drawText({rect.right - hintWidth - 15, rect.top, rect.right, rect.bottom}, item.hint,
                    TextAlign::Left, false);
    canvas.brush = {clGray, BrushStyle::Solid};
    const int y = rect.top + rect.height() / 2;
    canvas.fillRect({rect.left, y, rect.right - hintWidth - 20, y + 1});
    return;
  }

  Rect r = rect;
  int textLeft = 0;
  if (state.selected) {
    canvas.brush.color = clGray;
    canvas.frameRect(r);
    r = r.inflated(-2);
    fillGradient(canvas, r, clWhite, static_cast<Color>(item.tag), TGradientStyle::gsDiagonalLeftRight,
                 *menuBitmap_);
    if (state.checked) {
      canvas.brush.color = clBlack;
      canvas.frameRect(r);
    }
    canvas.font.color = clWhite;
    textLeft = r.left + kSelectedTextLeft;
  } else {
    fillGradient(canvas, r, clWhite, clBtnFace, TGradientStyle::gsHorizontal, *menuBitmap_);
    if (state.checked) {
      canvas.brush.color = clBlack;
      canvas.frameRect(r.inflated(-2));
    }
    canvas.font.color = clBlack;
    textLeft = r.left + kTextLeft;
  }
  if (state.disabled || state.grayed) canvas.font.color = clGrayText;

  const int shrink = (r.height() - captionExtent(canvas, item.caption).height - 1) / 2;
  canvas.brush.style = BrushStyle::Clear;
  drawCaption(canvas, {textLeft, r.top + shrink, r.right, r.bottom - shrink}, item.caption);

  const ImageList* images = popupTrayicon->Images;
  if (images != nullptr && item.imageIndex >= 0 && item.imageIndex < images->count()) {
    const Icon& image = images->image(item.imageIndex);
    canvas.drawIcon(rect.left + kImageLeft, rect.top + (rect.height() - image.image.height()) / 2, image);
  }
}

}  // namespace lumaro::app
