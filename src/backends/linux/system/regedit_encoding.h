#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace lumaro::platform::linuxos {

// The encodings a registry export file comes in, told apart by the byte-order mark: the format's own
// 8-bit text (no mark), UTF-8 with a mark, and UTF-16 in either byte order (the editor's version 5
// files are little-endian UTF-16).
enum class RegeditEncoding { EightBit, Utf8, Utf16Le, Utf16Be };

struct RegeditText {
  RegeditEncoding encoding = RegeditEncoding::EightBit;
  // 8-bit text as it is; the others as UTF-8 without the mark.
  std::string text;
};

// Nothing for a UTF-16 file that is not valid UTF-16: it could not be written back unchanged.
std::optional<RegeditText> decodeRegedit(std::string_view bytes);

// The file's bytes: the text in its encoding, with the mark that encoding begins with.
std::string encodeRegedit(const RegeditText& file);

}  // namespace lumaro::platform::linuxos
