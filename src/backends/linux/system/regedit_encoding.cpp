#include "backends/linux/system/regedit_encoding.h"

namespace lumaro::platform::linuxos {

namespace {

// Decoded UTF-16 holds a lone surrogate as the three bytes 0xED 0xA0..0xBF ...; valid UTF-8 never does.
bool holdsLoneSurrogate(std::string_view text) {
  for (std::size_t i = text.find('\xED'); i != std::string_view::npos; i = text.find('\xED', i + 1)) {
    if (i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0xA0) return true;
  }
  return false;
}

}  // namespace

std::optional<RegeditText> decodeRegedit(std::string_view bytes) {
  RegeditText file = settings::decodeText(std::string(bytes));
  const bool utf16 = file.encoding == settings::TextEncoding::Utf16LittleEndian ||
                     file.encoding == settings::TextEncoding::Utf16BigEndian;
  if (utf16 && (!file.oddByte.empty() || holdsLoneSurrogate(file.text))) return std::nullopt;
  return file;
}

}  // namespace lumaro::platform::linuxos
