#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/file_io.h"

namespace pixmint::document {

class TKvIcon;

// The whole document as an icon (IsIcon) or cursor file: headers and tables
// from the raw blocks, pixels from the live surfaces, PNG entries encoded
// anew. Nothing for an empty document.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> WriteIconMemory(const TKvIcon& icon);
// Writes through a temporary file that replaces fileName only when complete.
FileResult WriteIconFile(const TKvIcon& icon, const std::string& fileName);

}  // namespace pixmint::document
