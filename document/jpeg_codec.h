#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/file_io.h"
#include "raster/picture.h"

namespace pixmint::document {

inline constexpr int kJpegQuality = 90;

// A baseline (not progressive) colour JPEG of the picture, in memory.
// Gives nothing for an empty picture or when the encoder fails.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> EncodeJpeg(const raster::Picture& picture,
                                                                  int quality = kJpegQuality);

// Decodes a baseline or progressive JPEG (grey or colour) to a 24-bit
// picture. Sides outside 1..maxSide are refused after reading the header and
// before the pixels are decoded, and so is data that ends before its end
// marker; damaged or truncated data is a failure.
[[nodiscard]] texts::Result<raster::Picture> DecodeJpeg(std::span<const std::uint8_t> data, int maxSide);

// Encodes to memory, then writes with WriteFileAtomically.
texts::Result<void> SaveJpegFile(const std::filesystem::path& path, const raster::Picture& picture,
                                 int quality = kJpegQuality);

}  // namespace pixmint::document
