#pragma once
#include <string>

namespace lumaro::platform::linuxos {

// Where Debian's fonts-wine puts Tahoma and MS Sans Serif; fontconfig does not scan it.
inline constexpr char kWineFontDirectory[] = "/usr/share/wine/fonts";

// Makes every TrueType font file (.ttf, .ttc) in `directory` available to the application (the bitmap
// .fon copies would shadow the TrueType "MS Sans Serif" with a fixed-pitch one); a missing
// directory or an unreadable file is skipped silently. Needs a QGuiApplication. Returns how many loaded.
int installApplicationFonts(const std::string& directory = kWineFontDirectory);

}  // namespace lumaro::platform::linuxos
