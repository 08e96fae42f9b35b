#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formats/cursor_argb.h"
#include "texts/failure.h"

namespace pixmint::formats {

// Xcursor files: a header, a table of contents and chunks, all 32-bit
// little-endian words. Images carry a nominal size; several images of one
// nominal size are the frames of an animation, in table order.
inline constexpr std::uint32_t kXcursorMaxSide = 0x7FFF;

struct XcursorImage {
  std::uint32_t nominalSize = 0;
  std::uint32_t delayMs = 0;
  ArgbImage image;  // premultiplied ARGB
  bool operator==(const XcursorImage&) const = default;
};

// True when bytes start with the "Xcur" magic.
[[nodiscard]] bool LooksLikeXcursor(std::span<const std::uint8_t> bytes);

// Every image of the file in table order (comments and unknown chunks are
// skipped). Each chunk must lie inside the file, agree with its table entry
// and not overlap another image, and the table and the pixels must keep
// within a file's budget (document/limits.h); all of it is checked before
// any pixel is read. The failure says what is wrong and where.
[[nodiscard]] texts::Result<std::vector<XcursorImage>> DecodeXcursor(std::span<const std::uint8_t> bytes);

// A file holding the images in the given order. Nothing when an image is
// empty or larger than kXcursorMaxSide, its pixel count does not match its
// size, or its hot spot lies beyond its right or bottom edge.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> EncodeXcursor(std::span<const XcursorImage> images);

}  // namespace pixmint::formats
