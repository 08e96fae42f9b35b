#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/ico_reader.h"
#include "formats/animated_cursor.h"

namespace pixmint::formats {

enum class CursorFileKind { kIconOrCursor, kAnimatedCursor, kXcursor };

// What a file holds, by its first bytes; anything else is taken for an
// icon or cursor file, whose reader decides.
[[nodiscard]] CursorFileKind SniffCursorFile(std::span<const std::uint8_t> bytes);

// Reads an icon, cursor, animated cursor or Xcursor file; a static one
// becomes one frame and one step. Messages go to onError with name as
// caption; notes as ReadXcursorMemory gives them.
[[nodiscard]] std::optional<AnimatedCursor> ReadAnyCursorMemory(std::span<const std::uint8_t> bytes,
                                                                const std::string& name,
                                                                const document::ErrorCallback& onError,
                                                                std::vector<std::string>* notes = nullptr);
[[nodiscard]] std::optional<AnimatedCursor> ReadAnyCursorFile(const std::string& fileName,
                                                              const document::ErrorCallback& onError,
                                                              std::vector<std::string>* notes = nullptr);

}  // namespace pixmint::formats
