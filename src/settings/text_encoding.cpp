#include "settings/text_encoding.h"

#include <cstdint>

namespace lumaro::settings {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

std::string_view markOf(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8:
      return kUtf8Mark;
    case TextEncoding::Utf16LittleEndian:
      return kUtf16LittleEndianMark;
    case TextEncoding::Utf16BigEndian:
      return kUtf16BigEndianMark;
    case TextEncoding::CodePage:
      break;
  }
  return {};
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string utf16ToUtf8(std::string_view bytes, bool littleEndian) {
  const auto unitAt = [&](std::size_t i) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<char16_t>(littleEndian ? first | (second << 8) : (first << 8) | second);
  };
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const char16_t unit = unitAt(i);
    if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
      const char16_t next = unitAt(i + 2);
      if (next >= 0xDC00 && next < 0xE000) {
        appendUtf8(out, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (next - 0xDC00));
        i += 2;
        continue;
      }
    }
    appendUtf8(out, unit);
  }
  return out;
}

// UTF-8, lone surrogates included. What decoding a UTF-16 file made always reads back exactly; a
// byte that starts no valid sequence counts as the character of its own number.
char32_t nextCharacter(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 0;
  if (lead >= 0xC2 && lead < 0xE0) length = 2;
  if (lead >= 0xE0 && lead < 0xF0) length = 3;
  if (lead >= 0xF0 && lead < 0xF5) length = 4;
  char32_t c = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length && length != 0; ++k) {
    const auto byte = i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
    if ((byte & 0xC0) != 0x80) length = 0;
    c = (c << 6) | (byte & 0x3F);
  }
  if (length == 0 || c > 0x10FFFF) {
    ++i;
    return lead;
  }
  i += length;
  return c;
}

void appendUnit(std::string& out, char16_t unit, bool littleEndian) {
  const char low = static_cast<char>(unit & 0xFF);
  const char high = static_cast<char>(unit >> 8);
  out += littleEndian ? low : high;
  out += littleEndian ? high : low;
}

std::string utf8ToUtf16(std::string_view text, bool littleEndian) {
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = nextCharacter(text, i);
    if (c < 0x10000) {
      appendUnit(out, static_cast<char16_t>(c), littleEndian);
    } else {
      appendUnit(out, static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)), littleEndian);
      appendUnit(out, static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)), littleEndian);
    }
  }
  return out;
}

}  // namespace

DecodedText decodeText(std::string bytes) {
  const std::string_view view = bytes;
  if (view.starts_with(kUtf8Mark)) return {TextEncoding::Utf8, bytes.substr(kUtf8Mark.size()), {}};
  for (const TextEncoding encoding : {TextEncoding::Utf16LittleEndian, TextEncoding::Utf16BigEndian}) {
    const std::string_view mark = markOf(encoding);
    if (!view.starts_with(mark)) continue;
    const std::string_view units = view.substr(mark.size());
    const bool odd = units.size() % 2 != 0;
    return {encoding, utf16ToUtf8(units, encoding == TextEncoding::Utf16LittleEndian),
            odd ? std::string(units.substr(units.size() - 1)) : std::string()};
  }
  return {TextEncoding::CodePage, std::move(bytes), {}};
}

std::string encodeText(const DecodedText& decoded) {
  std::string out(markOf(decoded.encoding));
  switch (decoded.encoding) {
    case TextEncoding::Utf16LittleEndian:
    case TextEncoding::Utf16BigEndian:
      out += utf8ToUtf16(decoded.text, decoded.encoding == TextEncoding::Utf16LittleEndian);
      break;
    case TextEncoding::CodePage:
    case TextEncoding::Utf8:
      out += decoded.text;
      break;
  }
  return out + decoded.oddByte;
}

}  // namespace lumaro::settings
