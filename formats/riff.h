#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "texts/failure.h"

namespace pixmint::formats {

// One chunk of a RIFF file: its four-character id, its data (without the
// pad byte of an odd length) and where its header starts in the file.
struct RiffChunk {
  std::string id;
  std::span<const std::uint8_t> data;
  std::size_t offset = 0;
};

// The chunks that fill body, one after another; body starts at fileOffset
// in the file (for messages). Every chunk must lie inside body; the pad byte
// after an odd-length chunk may be missing at the very end, and fewer than 8
// bytes after the last chunk are ignored. The failure names the chunk and
// its offset.
[[nodiscard]] texts::Result<std::vector<RiffChunk>> ReadRiffChunks(std::span<const std::uint8_t> body,
                                                                   std::size_t fileOffset);

// The body of a "RIFF"/"LIST" chunk whose form or list type is type: the
// chunk data after its four-character type. Nothing when the chunk is no
// such list.
[[nodiscard]] std::optional<std::span<const std::uint8_t>> ListBody(const RiffChunk& chunk, std::string_view type);

// Appends a chunk (header, data, a pad byte after an odd length). Fails when
// the data does not fit a 32-bit size.
[[nodiscard]] bool AppendRiffChunk(std::vector<std::uint8_t>& out, std::string_view id,
                                   std::span<const std::uint8_t> data);
// Appends a "LIST" chunk of the given list type holding body (already a run
// of chunks).
[[nodiscard]] bool AppendRiffList(std::vector<std::uint8_t>& out, std::string_view type,
                                  std::span<const std::uint8_t> body);

}  // namespace pixmint::formats
