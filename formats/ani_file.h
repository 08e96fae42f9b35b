#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/ico_reader.h"
#include "document/limits.h"
#include "formats/animated_cursor.h"

namespace pixmint::formats {

// All frames of one animated cursor together may hold at most this many
// pixels, so that small files of tiny compressed frames cannot claim
// gigabytes; checked before each frame is decoded.
inline constexpr std::uint64_t kMaxAniPixels = document::kMaxDecodedPixels;

// True when bytes start like a RIFF "ACON" file.
[[nodiscard]] bool LooksLikeAni(std::span<const std::uint8_t> bytes);

// Reads a RIFF "ACON" animated cursor: the header ("anih"), the optional
// step times ("rate") and order ("seq "), every frame ("icon" chunks of the
// "fram" list, each an icon or cursor file read by the document's reader,
// hot spots kept; name becomes their file name) and the title and author of
// the "INFO" list. All or nothing. Small faults whose meaning is plain are
// forgiven (see ani_lenient.h): a header of another size, a frame count that
// disagrees with the frames present (those are used), "rate" or "seq "
// shorter than the steps, missing pad bytes, a last chunk that runs a few
// bytes past the end; each adds a note to warnings (may be null).
[[nodiscard]] texts::Result<AnimatedCursor> ReadAniMemory(std::span<const std::uint8_t> bytes, const std::string& name,
                                                          std::vector<texts::Failure>* warnings = nullptr);
[[nodiscard]] texts::Result<AnimatedCursor> ReadAniFile(const std::string& fileName,
                                                        std::vector<texts::Failure>* warnings = nullptr);

// The cursor as a RIFF "ACON" file: "rate" only when the steps' times
// differ, "seq " only when the steps do not play the frames in order, the
// "INFO" list only when there is a title or author. Each frame is written as
// its document would be saved. A failure when the cursor is not writable
// (AnimatedCursor::Problem) or a frame cannot be saved.
[[nodiscard]] texts::Result<std::vector<std::uint8_t>> WriteAniMemory(const AnimatedCursor& cursor);
// Writes through a temporary file that replaces fileName only when complete.
[[nodiscard]] texts::Result<void> WriteAniFile(const AnimatedCursor& cursor, const std::string& fileName);

}  // namespace pixmint::formats
