#include "backends/linux/views/classic_look.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QStyleFactory>

#include "backends/linux/views/view_convert.h"
#include "toolkit/drawing/system_colors.h"

namespace lumaro::platform::linuxos {

namespace {

QColor systemColor(toolkit::Color color) {
  return *toQColor(toolkit::resolveColor(color));
}

QPalette classicPalette() {
  using toolkit::Color;
  QPalette palette;
  const auto set = [&palette](QPalette::ColorRole role, Color color) {
    palette.setColor(QPalette::All, role, systemColor(color));
  };
  set(QPalette::Window, toolkit::clBtnFace);
  set(QPalette::Button, toolkit::clBtnFace);
  set(QPalette::WindowText, toolkit::clWindowText);
  set(QPalette::ButtonText, toolkit::clWindowText);
  set(QPalette::Text, toolkit::clWindowText);
  set(QPalette::Base, toolkit::clWhite);
  set(QPalette::AlternateBase, toolkit::clBtnFace);
  set(QPalette::Light, toolkit::clBtnHighlight);
  set(QPalette::Midlight, toolkit::cl3DLight);
  set(QPalette::Mid, toolkit::clBtnShadow);
  set(QPalette::Dark, toolkit::clBtnShadow);
  set(QPalette::Shadow, toolkit::cl3DDkShadow);
  set(QPalette::Highlight, toolkit::clHighlight);
  set(QPalette::HighlightedText, toolkit::clHighlightText);
  set(QPalette::ToolTipBase, toolkit::rgb(255, 255, 225));
  set(QPalette::ToolTipText, toolkit::clBlack);
  // Disabled texts are engraved in the shadow colour, as on the classic desktop.
  palette.setColor(QPalette::Disabled, QPalette::WindowText, systemColor(toolkit::clGrayText));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, systemColor(toolkit::clGrayText));
  palette.setColor(QPalette::Disabled, QPalette::Text, systemColor(toolkit::clGrayText));
  return palette;
}

}  // namespace

void installClassicLook() {
  if (QStyle* windows = QStyleFactory::create(QStringLiteral("Windows"))) QApplication::setStyle(windows);
  QApplication::setPalette(classicPalette());
}

void setProgramIcon(const std::vector<toolkit::Icon>& sizes) {
  QIcon icon;
  for (const toolkit::Icon& picture : sizes) icon.addPixmap(QPixmap::fromImage(toQImage(picture)));
  QApplication::setWindowIcon(icon);
}

}  // namespace lumaro::platform::linuxos
