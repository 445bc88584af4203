#include "backends/linux/system/regedit_encoding.h"

#include <cstdint>

namespace lumaro::platform::linuxos {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool isHighSurrogate(std::uint32_t unit) {
  return unit >= 0xD800 && unit < 0xDC00;
}
bool isLowSurrogate(std::uint32_t unit) {
  return unit >= 0xDC00 && unit < 0xE000;
}

void appendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::optional<std::string> utf16ToUtf8(std::string_view bytes, bool littleEndian) {
  if (bytes.size() % 2 != 0) return std::nullopt;
  const auto unitAt = [&](std::size_t i) -> std::uint32_t {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return littleEndian ? first | (second << 8) : (first << 8) | second;
  };
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    std::uint32_t code = unitAt(i);
    if (isLowSurrogate(code)) return std::nullopt;
    if (isHighSurrogate(code)) {
      if (i + 2 >= bytes.size() || !isLowSurrogate(unitAt(i + 2))) return std::nullopt;
      code = 0x10000 + ((code - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00);
      i += 2;
    }
    appendUtf8(out, code);
  }
  return out;
}

// The text was decoded from valid UTF-16 and changed only in ASCII, so it is valid UTF-8.
std::string utf8ToUtf16(std::string_view text, bool littleEndian) {
  std::string out;
  const auto appendUnit = [&](std::uint32_t unit) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    out += littleEndian ? low : high;
    out += littleEndian ? high : low;
  };
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    // The lead byte's own bits: all 7 of a single byte, else those below its length marker.
    std::uint32_t code = length == 1 ? lead : lead & (0xFFu >> (length + 1));
    for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    i += length;
    if (code >= 0x10000) {
      appendUnit(0xD800 + ((code - 0x10000) >> 10));
      appendUnit(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      appendUnit(code);
    }
  }
  return out;
}

}  // namespace

std::optional<RegeditText> decodeRegedit(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) {
    return RegeditText{RegeditEncoding::Utf8, std::string(bytes.substr(kUtf8Mark.size()))};
  }
  for (const bool littleEndian : {true, false}) {
    if (!bytes.starts_with(littleEndian ? kUtf16LeMark : kUtf16BeMark)) continue;
    auto text = utf16ToUtf8(bytes.substr(2), littleEndian);
    if (!text) return std::nullopt;
    return RegeditText{littleEndian ? RegeditEncoding::Utf16Le : RegeditEncoding::Utf16Be, std::move(*text)};
  }
  return RegeditText{RegeditEncoding::EightBit, std::string(bytes)};
}

std::string encodeRegedit(const RegeditText& file) {
  switch (file.encoding) {
    case RegeditEncoding::Utf8:
      return std::string(kUtf8Mark) + file.text;
    case RegeditEncoding::Utf16Le:
      return std::string(kUtf16LeMark) + utf8ToUtf16(file.text, true);
    case RegeditEncoding::Utf16Be:
      return std::string(kUtf16BeMark) + utf8ToUtf16(file.text, false);
    case RegeditEncoding::EightBit:
      break;
  }
  return file.text;
}

}  // namespace lumaro::platform::linuxos
