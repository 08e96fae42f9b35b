#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "document/file_io.h"
#include "raster/picture.h"

namespace pixmint::document {

// Largest side a BMP file may have for DecodeBmp's default; the snapshots and
// exports of this program are far smaller.
inline constexpr int kMaxBmpSide = 16384;

// A standard uncompressed Windows BMP: 14-byte file header, 40-byte
// information header, rows bottom-up in blue, green, red, padded to 4 bytes;
// 24 bits per pixel for an opaque picture, else 32 with the alpha byte. An
// empty picture gives an empty vector.
[[nodiscard]] std::vector<std::uint8_t> EncodeBmp(const raster::Picture& picture);

// Reads a 24- or 32-bit uncompressed BMP (information header of 40 bytes or
// longer, bottom-up or top-down rows; a 32-bit file whose fourth bytes are all
// 0 is opaque). Every size and offset is checked against the
// data; anything else (other depths, compression, truncation, sides outside
// 1..maxSide) gives nothing.
// A snapshot of ours reads its alpha as stored, even when all of it is 0.
enum class BmpAlpha { kOpaqueWhenAllZero, kAsStored };
[[nodiscard]] std::optional<raster::Picture> DecodeBmp(std::span<const std::uint8_t> data, int maxSide = kMaxBmpSide,
                                                       BmpAlpha alpha = BmpAlpha::kOpaqueWhenAllZero);

// Encodes to memory, then writes with WriteFileAtomically.
texts::Result<void> SaveBmpFile(const std::filesystem::path& path, const raster::Picture& picture);
[[nodiscard]] std::optional<raster::Picture> LoadBmpFile(const std::filesystem::path& path, int maxSide = kMaxBmpSide);

}  // namespace pixmint::document
