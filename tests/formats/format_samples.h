#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
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

// As in ico_builder.h, whose other names clash with hostile_inputs.h.
[[nodiscard]] ::testing::AssertionResult SameIcon(const document::TKvIcon& a, const document::TKvIcon& b);
// Same frames, steps, title and author.
[[nodiscard]] ::testing::AssertionResult SameCursor(const formats::AnimatedCursor& a, const formats::AnimatedCursor& b);

}  // namespace pixmint::test
