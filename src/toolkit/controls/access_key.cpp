#include "toolkit/controls/access_key.h"

namespace lumaro::toolkit {

namespace {
char lowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

AccessKeyCaption parseAccessKey(std::string_view caption) {
  AccessKeyCaption out;
  out.text.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&' || i + 1 == caption.size()) {
      out.text += caption[i];
      continue;
    }
    ++i;
    if (caption[i] != '&' && out.keyAt == std::string::npos) {
      out.keyAt = out.text.size();
      std::size_t end = i + 1;
      while (end < caption.size() && (static_cast<unsigned char>(caption[end]) & 0xC0) == 0x80) ++end;
      out.keyLength = end - i;
    }
    out.text += caption[i];
  }
  return out;
}

char accessKeyOf(std::string_view caption) {
  const AccessKeyCaption parsed = parseAccessKey(caption);
  if (parsed.keyLength != 1) return 0;
  const char key = lowerAscii(parsed.text[parsed.keyAt]);
  return (key >= 'a' && key <= 'z') || (key >= '0' && key <= '9') ? key : 0;
}

Size captionExtent(Canvas& canvas, std::string_view caption) {
  return canvas.textExtent(parseAccessKey(caption).text);
}

void drawCaption(Canvas& canvas, const Rect& rect, std::string_view caption) {
  const AccessKeyCaption parsed = parseAccessKey(caption);
  canvas.drawText(rect, parsed.text, TextAlign::Left, false);
  if (parsed.keyAt == std::string::npos) return;
  const std::string_view text = parsed.text;
  const int keyX = rect.left + canvas.textExtent(text.substr(0, parsed.keyAt)).width;
  // The key character again, underlined, over itself.
  const bool underline = canvas.font.underline;
  canvas.font.underline = true;
  canvas.drawText({keyX, rect.top, rect.right, rect.bottom}, text.substr(parsed.keyAt, parsed.keyLength),
                  TextAlign::Left, false);
  canvas.font.underline = underline;
}

}  // namespace lumaro::toolkit
