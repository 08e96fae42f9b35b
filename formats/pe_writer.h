#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formats/program_file.h"

namespace pixmint::formats {

// A new program file in which every language of the group `name` of the new
// file's kind (icon for an .ico, cursor for a .cur) holds the images of
// iconFile. The images only the old group used are removed; every other
// resource keeps its bytes. The resource section is rebuilt in place: it may
// grow only when it is the last section of the file. The section table, the
// image and data sizes, the resource directory entry and the checksum are
// updated; a signature is dropped, since it no longer matches. A failure
// when that is not possible.
[[nodiscard]] texts::Result<std::vector<std::uint8_t>> ReplaceGroup(const ProgramFile& program, const ResourceId& name,
                                                                    std::span<const std::uint8_t> iconFile);

// Puts newSection (built for the resource section's address) into a copy of
// the file, as ReplaceGroup does.
[[nodiscard]] texts::Result<std::vector<std::uint8_t>> PlaceResourceSection(const ProgramFile& program,
                                                                            std::span<const std::uint8_t> newSection);

}  // namespace pixmint::formats
