#pragma once
#include <QString>
#include <map>
#include <string>

#include "platform/text_service.h"

class QFont;

namespace lumaro::platform::linuxos {

// Text through QPainter without antialiasing, as the classic desktop draws it. "Arial" resolves to
// Liberation Sans; Tahoma and MS Sans Serif need installApplicationFonts() first, and of a family that
// fonts-wine brings in several faces the TrueType one is taken. Needs a QGuiApplication.
class QtTextService : public TextService {
 public:
  QtTextService();

  TextExtent textExtent(const TextFont& font, std::string_view text) override;
  void drawText(PixelTarget target, PixelRect clip, int x, int y, std::string_view text, const TextFont& font,
                std::uint32_t rgb) override;

 private:
  QFont qFont(const TextFont& font);
  QString family(std::string_view name);

  std::map<std::string, QString, std::less<>> families_;
};

}  // namespace lumaro::platform::linuxos
