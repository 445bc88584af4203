#pragma once
#include <optional>
#include <string_view>

#include "settings/text_encoding.h"

namespace lumaro::platform::linuxos {

// A registry export file comes in the encodings a text file does, told apart by the byte-order mark:
// the format's own 8-bit text (no mark), UTF-8 with a mark, and UTF-16 in either byte order (the
// editor's version 5 files are little-endian UTF-16). Written back with settings::encodeText.
using RegeditText = settings::DecodedText;

// Nothing for a UTF-16 file that is not valid UTF-16 (an odd last byte, a lone surrogate): the editor
// would not read it either, so it is left alone.
std::optional<RegeditText> decodeRegedit(std::string_view bytes);

}  // namespace lumaro::platform::linuxos
