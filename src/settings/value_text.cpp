#include "settings/value_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace lumaro::settings {

namespace {

bool isBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

bool wrappedIn(std::string_view text, char quote) {
  return !text.empty() && text.front() == quote && text.back() == quote;
}

// `format` is the base for integers and the notation for floating values.
template <class T, class Format>
std::optional<T> wholeNumber(std::string_view text, Format format) {
  T value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, format);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// from_chars takes a minus sign but not a plus sign.
std::string_view withoutPlusSign(std::string_view text) {
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  return text;
}

}  // namespace

std::string trimText(std::string_view text) {
  while (!text.empty() && isBlankOrControl(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlankOrControl(text.back())) text.remove_suffix(1);
  return std::string(text);
}

std::string quotedForStore(std::string_view text) {
  if (!wrappedIn(text, '"') && !wrappedIn(text, '\'')) return std::string(text);
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted.append(1, '"').append(text).append(1, '"');
  return quoted;
}

std::optional<int> parseInteger(std::string_view text) {
  return wholeNumber<int>(withoutPlusSign(text), 10);
}

std::optional<int> parseProfileInteger(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    const auto value = wholeNumber<std::uint32_t>(text.substr(2), 16);
    if (!value) return std::nullopt;
    return static_cast<int>(*value);
  }
  return parseInteger(text);
}

std::string formatFloat(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::optional<double> parseFloat(std::string_view text, std::string_view decimalSeparator) {
  std::string normal;
  normal.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (!decimalSeparator.empty() && text.substr(i).starts_with(decimalSeparator)) {
      normal.push_back('.');
      i += decimalSeparator.size();
    } else {
      normal.push_back(text[i++]);
    }
  }
  const auto value = wholeNumber<double>(withoutPlusSign(normal), std::chars_format::general);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

}  // namespace lumaro::settings
