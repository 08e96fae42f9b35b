// A PNG entry is copied instead of encoded again only when every decoder
// shows the copy exactly as our decoder shows the entry. What it refuses is
// left to the fuzz run, which checks that every copy decodes as the entry.
#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "document/png_codec.h"

namespace pixmint::document {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct RawChunk {
  std::string type;
  Bytes body;
};

std::vector<RawChunk> Split(const Bytes& png) {
  std::vector<RawChunk> chunks;
  for (std::size_t pos = 8; pos + 12 <= png.size();) {
    const std::uint32_t n = (std::uint32_t{png[pos]} << 24) | (png[pos + 1] << 16) | (png[pos + 2] << 8) | png[pos + 3];
    chunks.push_back({std::string(reinterpret_cast<const char*>(&png[pos + 4]), 4),
                      Bytes(png.begin() + static_cast<std::ptrdiff_t>(pos + 8),
                            png.begin() + static_cast<std::ptrdiff_t>(pos + 8 + n))});
    pos += 12 + n;
  }
  return chunks;
}

Bytes Join(const std::vector<RawChunk>& chunks) {
  Bytes png = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};
  for (const RawChunk& c : chunks) {
    for (int s = 24; s >= 0; s -= 8) png.push_back(static_cast<std::uint8_t>(c.body.size() >> s));
    const std::size_t at = png.size();
    png.insert(png.end(), c.type.begin(), c.type.end());
    png.insert(png.end(), c.body.begin(), c.body.end());
    const uLong crc = crc32(0, &png[at], static_cast<uInt>(4 + c.body.size()));
    for (int s = 24; s >= 0; s -= 8) png.push_back(static_cast<std::uint8_t>(crc >> s));
  }
  return png;
}

constexpr int kSide = 9;

Bytes Sample() {
  Bytes rgba(kSide * kSide * 4);
  for (std::size_t i = 0; i < rgba.size(); ++i) rgba[i] = static_cast<std::uint8_t>(i * 37 % 251);
  return *EncodePng32(kSide, kSide, rgba, ChannelOrder::kRgba);
}

TEST(PlainRgbaPng, CopiesWhatOurDecoderShowsAndDropsTheRest) {
  const Bytes plain = Sample();
  EXPECT_EQ(PlainRgbaPng(plain, kSide, kSide), plain) << "our own encoding is plain already";

  // The picture it gives is the decoder's, pixel for pixel, under each of
  // the five row filters.
  Bytes raw;
  for (int y = 0; y < kSide; ++y) {
    raw.push_back(static_cast<std::uint8_t>(y % 5));
    for (int i = 0; i < kSide * 4; ++i) raw.push_back(static_cast<std::uint8_t>((y * 71 + i * 29) % 256));
  }
  auto filtered = Split(plain);
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  filtered[1].body.resize(size);
  ASSERT_EQ(compress(filtered[1].body.data(), &size, raw.data(), static_cast<uLong>(raw.size())), Z_OK);
  filtered[1].body.resize(size);
  Image32 shown;
  ASSERT_TRUE(PlainRgbaPng(Join(filtered), kSide, kSide, &shown));
  EXPECT_EQ(shown.pixels, DecodePng(Join(filtered), ChannelOrder::kRgba)->pixels);

  // Colour hints and text go; the pixels stay.
  auto chunks = Split(plain);
  chunks.insert(chunks.begin() + 1, {{"gAMA", {0, 0, 0xB1, 0x8F}}, {"tEXt", {'a', 0, 'b'}}, {"PLTE", {1, 2, 3}}});
  chunks.insert(chunks.end() - 1, RawChunk{"zzZz", {9}});
  EXPECT_EQ(PlainRgbaPng(Join(chunks), kSide, kSide), plain);

  // Image data in several chunks stays in several chunks.
  chunks = Split(plain);
  const Bytes data = chunks[1].body;
  chunks[1].body.assign(data.begin(), data.begin() + 5);
  chunks.insert(chunks.begin() + 2, RawChunk{"IDAT", Bytes(data.begin() + 5, data.end())});
  const Bytes split = Join(chunks);
  EXPECT_EQ(PlainRgbaPng(split, kSide, kSide), split);
}

}  // namespace
}  // namespace pixmint::document
