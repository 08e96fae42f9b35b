#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <vector>

#include "document/kv_icon.h"

namespace pixmint::test {

// Builds icon and cursor files byte by byte, so malformed files can be made
// in code.
struct BlockLayout {
  std::uint32_t headerSize = 40;
  std::int32_t width = 16;
  std::int32_t height = 16;  // image height; the header gets twice this
  std::uint16_t bitCount = 8;
  std::uint32_t coloursUsed = 0;
};

// A bitmap block: header, table (coloursUsed or the full table of the
// depth), colour bits and mask, with a recognisable byte pattern.
std::vector<std::uint8_t> MakeBlock(const BlockLayout& layout);

struct EntryLayout {
  std::vector<std::uint8_t> block;
  std::uint16_t field4 = 1;        // planes or hot spot x
  std::uint16_t field6 = 0;        // bit count or hot spot y
  std::int64_t sizeOverride = -1;  // when set, replaces the honest size
};

std::vector<std::uint8_t> MakeIconFile(const std::vector<EntryLayout>& entries, std::uint16_t type = 1);

[[nodiscard]] std::vector<std::uint8_t> Bytes(std::span<const std::uint8_t> s);

// A pattern in every depth. 32-bit images are painted the way they load:
// masked pixels all zero, visible ones with a non-zero alpha.
void Paint(document::TKvIcon& icon, std::uint32_t i);

// Same images (pixels, masks, tables, depths, PNG flags), hot spots and icon flag.
[[nodiscard]] ::testing::AssertionResult SameIcon(const document::TKvIcon& a, const document::TKvIcon& b);

}  // namespace pixmint::test
