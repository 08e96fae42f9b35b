#pragma once

// What the animated-cursor reader forgives. Cursor packs carry files from
// old editors that get small things wrong; where the data still says one
// thing only, the file opens with a note instead of being refused. Every
// bound stays checked: nothing here reads outside the bytes it is given.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "formats/riff.h"

namespace pixmint::formats {

// How far a last chunk may claim to run past the end of its data and still
// be read (up to the end): a size counted with its pad byte or a header.
inline constexpr std::uint64_t kMaxChunkOverrun = 16;

// The chunks of body as ReadRiffChunks reads them; when that fails, read
// again forgiving a missing pad byte after an odd-length chunk (the next
// chunk's id starts right there) and a last chunk that claims at most
// kMaxChunkOverrun bytes more than remain. Each forgiven fault adds a line
// to notes. The strict reader's failure when that is not enough.
[[nodiscard]] texts::Result<std::vector<RiffChunk>> ReadChunksLeniently(std::span<const std::uint8_t> body,
                                                                        std::size_t fileOffset,
                                                                        std::vector<texts::Failure>& notes);

// Notes about an "anih" chunk whose own size field or chunk size is not 36
// (the fields read stop at the rate, byte 32).
void NoteAnihSize(const RiffChunk& anih, std::vector<texts::Failure>& notes);

// One 32-bit value per step; a chunk shorter than the steps gives what it
// holds and, with a note, fill for the rest when fill is set, else only the
// values present.
[[nodiscard]] std::vector<std::uint32_t> StepValuesLeniently(const RiffChunk& chunk, std::size_t steps,
                                                             std::optional<std::uint32_t> fill,
                                                             std::vector<texts::Failure>& notes);

}  // namespace pixmint::formats
