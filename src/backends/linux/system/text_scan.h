#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace lumaro::platform::linuxos {

// Takes the first line off `text` (without its '\n').
std::string_view takeLine(std::string_view& text);

// Takes an unsigned decimal number off `text`, after any blanks. Nothing (and `text` unchanged) when no
// number comes next or it does not fit 64 bits.
std::optional<std::uint64_t> takeNumber(std::string_view& text);

// value × multiplier / divisor without overflow in between; divisor must not be 0.
inline std::uint64_t mulDiv(std::uint64_t value, std::uint64_t multiplier, std::uint64_t divisor) {
  return static_cast<std::uint64_t>(static_cast<unsigned __int128>(value) * multiplier / divisor);
}

}  // namespace lumaro::platform::linuxos
