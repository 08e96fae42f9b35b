#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace pixmint::document {

// Little-endian field access. Callers check that offset + width lies inside
// the span before calling; these helpers never see raw addresses.
[[nodiscard]] inline std::uint16_t GetU16(std::span<const std::uint8_t> b, std::size_t off) {
  return static_cast<std::uint16_t>(b[off] | (b[off + 1] << 8));
}
[[nodiscard]] inline std::uint32_t GetU32(std::span<const std::uint8_t> b, std::size_t off) {
  return std::uint32_t{b[off]} | (std::uint32_t{b[off + 1]} << 8) | (std::uint32_t{b[off + 2]} << 16) |
         (std::uint32_t{b[off + 3]} << 24);
}
[[nodiscard]] inline std::int32_t GetI32(std::span<const std::uint8_t> b, std::size_t off) {
  return static_cast<std::int32_t>(GetU32(b, off));
}
inline void PutU16(std::span<std::uint8_t> b, std::size_t off, std::uint32_t v) {
  b[off] = static_cast<std::uint8_t>(v);
  b[off + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void PutU32(std::span<std::uint8_t> b, std::size_t off, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) b[off + k] = static_cast<std::uint8_t>(v >> (8 * k));
}

}  // namespace pixmint::document
