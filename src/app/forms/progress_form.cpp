#include "app/forms/progress_form.h"

#include <array>

namespace lumaro::app {

using namespace toolkit;

namespace {
constexpr Color kSilver = 0xC0C0C0;
constexpr Color kBlue = 0xFF0000;
}  // namespace

TfrmProgress::TfrmProgress(Component* owner, Application& app, platform::TextService& text,
                           platform::Desktop& desktop)
    : Form(owner, app), text_(text) {
  setName("frmProgress");
  setBorderStyle(BorderStyle::None);
  setStayOnTop(true);
  setClearBackground(true);
  setColor(clNone);
  setBounds(Bounds{0, 0, 612, 192});
  const platform::Area screen = desktop.workArea();
  centerOn(Bounds{screen.left, screen.top, screen.width, screen.height});

  // In painting order: later controls lie over earlier ones.
  ProgressBarProgress = meter("ProgressBarProgress", {3, 136, 600, 50}, clRed, 6);
  ProgressBarFreeRam = meter("ProgressBarFreeRam", {4, 32, 605, 50}, clYellow, 3);
  ProgressBarProgress->setAccessibleName("Desfragmentando");
  ProgressBarFreeRam->setAccessibleName("Ram Livre");
  lblFreeRam = label("lblFreeRam", {251, 29, 220, 56}, "100", 49, clLime);
  lblProgress = label("lblProgress", {252, 135, 220, 56}, "100", 49, clLime);
  embossedHeading("Ram Livre", {{{221, -5}, {223, -4}, {222, -3}}}, {222, -4});
  embossedHeading("Desfragmentando", {{{156, 97}, {154, 98}, {154, 96}}}, {155, 97});
}

widgets::TLEDMeter* TfrmProgress::meter(const char* name, Bounds bounds, Color led, int contrast) {
  auto& bar = create<widgets::TLEDMeter>(text_);
  bar.setName(name);
  bar.setParent(this);
  bar.setBounds(bounds);
  bar.setBevelStyle(Bevel::None);
  bar.setColorSeperator(clBtnFace);
  bar.setColorLED1(led);
  bar.setColorLED2(led);
  bar.setColorLED3(led);
  bar.setLEDContrast(contrast);
  bar.setNumDigits(40);
  bar.setStartColor2(25);
  bar.setStartColor3(75);
  return &bar;
}

Label* TfrmProgress::label(const char* name, Bounds bounds, std::string caption, int height, Color color) {
  auto& text = create<Label>();
  text.setName(name);
  text.setParent(this);
  text.setBounds(bounds);
  text.setFont(Font{"Arial", height, true, color});
  text.setCaption(std::move(caption));
  return &text;
}

void TfrmProgress::embossedHeading(const std::string& caption, const std::array<Point, 3>& silver,
                                   Point blue) {
  const int width = static_cast<int>(caption.size()) * 24;
  const auto add = [&](Point at, Color color) {
    const std::string name = "Label" + std::to_string(++headings_);
    label(name.c_str(), {at.x, at.y, width, 42}, caption, 35, color);
  };
  for (Point at : silver) add(at, kSilver);
  add(blue, kBlue);
}

}  // namespace lumaro::app
