#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "document/icon_image.h"
#include "document/limits.h"
#include "raster/colour.h"
#include "texts/failure.h"

namespace pixmint::document {

inline constexpr std::uint16_t kTypeIcon = 1;
inline constexpr std::uint16_t kTypeCursor = 2;

// What a file gives besides its records.
struct IconFileInfo {
  std::uint16_t type = kTypeIcon;
  std::array<raster::Point, kMaxImages> hotSpots{};  // cursor files only
};

// The image count of a usable 6-byte header (reserved 0, type 1 or 2), else 0.
[[nodiscard]] std::uint32_t ReadIconHeader(std::span<const std::uint8_t> file);
// The header's type field (0 when the header is unusable).
[[nodiscard]] std::uint16_t ReadIconType(std::span<const std::uint8_t> file);

// The block that directory entry i of a file points at, or nothing when the
// entry does not exist or lies outside the file.
[[nodiscard]] std::optional<std::span<const std::uint8_t>> IconEntryBlock(std::span<const std::uint8_t> file,
                                                                          std::uint32_t i);

// Reads a whole icon or cursor file: every record validated, 32-bit alpha and
// PNG entries normalised. All or nothing. A file without a usable header
// fails with kNotIconOrCursor, which the editor does not show (its own
// message follows).
[[nodiscard]] texts::Result<std::unique_ptr<IconResource>> ReadIconFile(const std::string& fileName,
                                                                        IconFileInfo* info = nullptr);
// The same from memory; name becomes IcoFileName. The entries' pixels are
// taken from budget (a file's own when none is given) before any is decoded;
// entries that point at one block decode it once.
[[nodiscard]] texts::Result<std::unique_ptr<IconResource>> ReadIconMemory(std::span<const std::uint8_t> file,
                                                                          const std::string& name,
                                                                          IconFileInfo* info = nullptr,
                                                                          ReadBudget* budget = nullptr);

}  // namespace pixmint::document
