#pragma once
#include <string>
#include <string_view>

namespace lumaro::settings {

// How a text file stores its characters: the system's code page when it starts with no byte-order
// mark, else the encoding its mark names. Editors save INI files with a mark, and the profile
// functions of Windows read and write UTF-16 ones as UTF-16.
enum class TextEncoding { CodePage, Utf8, Utf16LittleEndian, Utf16BigEndian };

// A file's text without its mark. Code-page text keeps its bytes; UTF-16 becomes UTF-8, a lone
// surrogate in the generalized form (three bytes from 0xED), and an odd last byte stays as it was, so
// that encoding gives back the very bytes that were read.
struct DecodedText {
  TextEncoding encoding = TextEncoding::CodePage;
  std::string text;
  std::string oddByte;  // the last byte of a UTF-16 file of odd size
};

DecodedText decodeText(std::string bytes);

// The file's bytes for `text` (and the odd byte, if any) in `encoding`, the mark first.
std::string encodeText(const DecodedText& decoded);

}  // namespace lumaro::settings
