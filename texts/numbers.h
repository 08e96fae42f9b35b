#pragma once

#include <charconv>
#include <concepts>
#include <optional>
#include <string_view>

namespace pixmint::texts {

// The whole of text as a decimal number of type T: digits, with a leading
// '-' only for a signed T; no blanks, no '+', nothing after. Nothing for
// anything else, or when the number does not fit T. Callers narrow the
// range and trim what they allow around it.
template <std::integral T>
[[nodiscard]] std::optional<T> ParseWhole(std::string_view text) {
  T value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace pixmint::texts
