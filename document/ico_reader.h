#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "document/icon_image.h"
#include "document/limits.h"
#include "raster/colour.h"

namespace pixmint::document {

// Receives the reader's English messages; caption is the file name (or
// "Error" for a document that is already loaded). The core shows nothing.
using ErrorCallback = std::function<void(std::string_view message, std::string_view caption)>;

inline constexpr std::string_view kErrorOpening = "Error Opening File for Reading";
inline constexpr std::string_view kErrorReading = "Error Reading File";
inline constexpr std::string_view kErrorSeeking = "Error Seeking in File";
inline constexpr std::string_view kErrorConverting = "Error Converting to Internal Format";
inline constexpr std::string_view kErrorAlreadyLoaded = "This IconResource has loaded icon!";

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
// PNG entries normalised. All or nothing; failures are reported through
// onError (may be empty) with the file name as caption.
[[nodiscard]] std::unique_ptr<IconResource> ReadIconFile(const std::string& fileName, const ErrorCallback& onError,
                                                         IconFileInfo* info = nullptr);
// The same from memory; name is used as the caption and IcoFileName. The
// entries' pixels are taken from budget (a file's own when none is given)
// before any is decoded; entries that point at one block decode it once.
[[nodiscard]] std::unique_ptr<IconResource> ReadIconMemory(std::span<const std::uint8_t> file, const std::string& name,
                                                           const ErrorCallback& onError, IconFileInfo* info = nullptr,
                                                           ReadBudget* budget = nullptr);

}  // namespace pixmint::document
