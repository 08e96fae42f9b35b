#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

#include "document/kv_icon.h"
#include "formats/animated_cursor.h"

namespace pixmint::test {

using ByteVector = std::vector<std::uint8_t>;

struct ImageSpec {
  int side = 32;
  int bitCount = 32;
  raster::Point hotSpot;
};

// A cursor document with one painted image per size and depth given; seed
// varies the pixels.
[[nodiscard]] std::unique_ptr<document::TKvIcon> MakeCursor(const std::vector<ImageSpec>& images, int seed = 0);

// Same images (pixels, masks, tables, depths, PNG flags), hot spots and icon flag.
[[nodiscard]] ::testing::AssertionResult SameIcon(const document::TKvIcon& a, const document::TKvIcon& b);
// Same frames, steps, title and author.
[[nodiscard]] ::testing::AssertionResult SameCursor(const formats::AnimatedCursor& a, const formats::AnimatedCursor& b);

// RIFF pieces for hand-made files: a chunk (padded to even length) and a list.
[[nodiscard]] ByteVector Chunk(std::string_view id, const ByteVector& data, bool pad = true);
[[nodiscard]] ByteVector List(std::string_view type, std::initializer_list<ByteVector> chunks);
[[nodiscard]] ByteVector Riff(std::string_view form, std::initializer_list<ByteVector> chunks);
[[nodiscard]] ByteVector U32s(std::initializer_list<std::uint32_t> values);
// An "anih" chunk body: 36 bytes with these counts, rate and flags.
[[nodiscard]] ByteVector Anih(std::uint32_t frames, std::uint32_t steps, std::uint32_t jiffies, std::uint32_t flags);
[[nodiscard]] ByteVector operator+(ByteVector a, const ByteVector& b);

}  // namespace pixmint::test
