#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/kv_icon.h"

namespace pixmint::cli {

// Prints "pixmint-cli: text" as one line on stderr and answers code.
int Fail(int code, std::string_view text);

// Loads an icon or cursor file (icon or cursor by its extension, as the
// editor does). On failure error holds one line that includes the reader's
// own message when it gave one. fileBytes, when given, receives the file.
[[nodiscard]] bool LoadDocument(const std::string& path, document::TKvIcon& icon, std::string& error,
                                std::vector<std::uint8_t>* fileBytes = nullptr);

// True when path ends in ext, compared without case (ext includes the dot).
[[nodiscard]] bool HasExtension(std::string_view path, std::string_view ext);

}  // namespace pixmint::cli
