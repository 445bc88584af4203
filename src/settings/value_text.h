#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace lumaro::settings {

// The text rules of the settings file, shared by the INI access and the settings store.

// Without leading and trailing blanks and control characters (every byte up to the blank).
std::string trimText(std::string_view text);

// A text that begins and ends with a double quote, or with a single quote, wrapped in one more pair
// of double quotes: reading removes one enclosing pair, so the text reads back unchanged.
std::string quotedForStore(std::string_view text);

// A decimal integer with an optional sign, the whole text; nothing when it does not convert (also
// outside the 32-bit range).
std::optional<int> parseInteger(std::string_view text);

// Like parseInteger, but a text longer than 2 characters that starts with "0x" or "0X" is hexadecimal
// (32 bits, so "0xFFFFFFFF" is -1).
std::optional<int> parseProfileInteger(std::string_view text);

// The shortest text that reads back as the same number, with "." as decimal separator whatever the
// locale: 90 is "90", two and a half "2.5".
std::string formatFloat(double value);

// A number in the user's notation: every "." counts as the locale's decimal separator, and so does
// the separator itself. Nothing when the whole text is not a finite number.
std::optional<double> parseFloat(std::string_view text, std::string_view decimalSeparator);

}  // namespace lumaro::settings
