#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/file_io.h"

namespace pixmint::document {

class TKvIcon;

// PNG blocks by image position that already show exactly that image's
// pixels (a picture taken in unchanged): written as they are rather than
// encoded again. An empty block, or a position past the end, is encoded.
using ReadyPngBlocks = std::vector<std::vector<std::uint8_t>>;

// The whole document as an icon (IsIcon) or cursor file: headers and tables
// from the raw blocks, pixels from the live surfaces, PNG entries encoded
// anew unless ready gives them. Nothing for an empty document.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> WriteIconMemory(const TKvIcon& icon,
                                                                       const ReadyPngBlocks& ready = {});
// Writes through a temporary file that replaces fileName only when complete.
texts::Result<void> WriteIconFile(const TKvIcon& icon, const std::string& fileName);

}  // namespace pixmint::document
