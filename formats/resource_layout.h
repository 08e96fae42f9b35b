#pragma once

#include <cstddef>
#include <cstdint>

// The resource section of a program: a directory is a header and an entry
// per child (an id, or a name's offset, then the offset of a subdirectory or
// of a data entry; the high bit marks names and subdirectories); a data
// entry gives the data's RVA and size.
namespace pixmint::formats::resource_layout {

inline constexpr std::size_t kDirBytes = 16;
inline constexpr std::size_t kDirEntryBytes = 8;
inline constexpr std::size_t kDataEntryBytes = 16;
inline constexpr std::uint32_t kHighBit = 0x80000000u;

}  // namespace pixmint::formats::resource_layout
