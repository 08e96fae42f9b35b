#pragma once

#include <cstddef>

namespace pixmint::document {

// An icon or cursor file: a header (reserved, type, count), then an entry
// per image. A program's group resource has the same header and shorter
// entries: the image's resource number in place of its offset.
inline constexpr std::size_t kIcoHeaderBytes = 6;
inline constexpr std::size_t kIcoEntryBytes = 16;
inline constexpr std::size_t kGroupEntryBytes = 14;

}  // namespace pixmint::document
