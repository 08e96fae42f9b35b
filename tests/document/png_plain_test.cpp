// A PNG entry is copied instead of encoded again only when every decoder
// shows the copy exactly as our decoder shows the entry.
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

std::uint32_t Be32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

std::vector<RawChunk> Split(const Bytes& png) {
  std::vector<RawChunk> chunks;
  for (std::size_t pos = 8; pos + 12 <= png.size();) {
    const std::uint32_t n = Be32(&png[pos]);
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

// Image data for rows given as filter byte + pixel bytes.
Bytes Deflate(const Bytes& raw) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  Bytes out(size);
  EXPECT_EQ(compress(out.data(), &size, raw.data(), static_cast<uLong>(raw.size())), Z_OK);
  out.resize(size);
  return out;
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
  filtered[1].body = Deflate(raw);
  Image32 shown;
  ASSERT_TRUE(PlainRgbaPng(Join(filtered), kSide, kSide, &shown));
  EXPECT_EQ(shown.pixels, DecodePng(Join(filtered), ChannelOrder::kRgba)->pixels);

  // Colour hints and text go; the pixels stay.
  auto chunks = Split(plain);
  chunks.insert(chunks.begin() + 1, {{"gAMA", {0, 0, 0xB1, 0x8F}}, {"tEXt", {'a', 0, 'b'}}, {"PLTE", {1, 2, 3}}});
  chunks.insert(chunks.end() - 1, RawChunk{"zzZz", {9}});
  const auto copied = PlainRgbaPng(Join(chunks), kSide, kSide);
  ASSERT_TRUE(copied);
  EXPECT_EQ(*copied, plain);

  // Image data in several chunks stays in several chunks.
  chunks = Split(plain);
  const Bytes data = chunks[1].body;
  chunks[1].body.assign(data.begin(), data.begin() + 5);
  chunks.insert(chunks.begin() + 2, RawChunk{"IDAT", Bytes(data.begin() + 5, data.end())});
  const Bytes split = Join(chunks);
  EXPECT_EQ(PlainRgbaPng(split, kSide, kSide), split);
}

TEST(PlainRgbaPng, RefusesAnythingElse) {
  const Bytes plain = Sample();
  const auto chunks = Split(plain);
  auto with = [&](auto change) {
    auto c = chunks;
    change(c);
    return Join(c);
  };
  auto header = [&](std::size_t at, std::uint8_t value) {
    return with([&](std::vector<RawChunk>& c) { c[0].body[at] = value; });
  };
  // Raw rows of kSide pixels: a filter byte and 4 bytes a pixel.
  auto rows = [](int count, std::uint8_t filter) {
    Bytes raw;
    for (int y = 0; y < count; ++y) {
      raw.push_back(filter);
      raw.insert(raw.end(), kSide * 4, 7);
    }
    return Deflate(raw);
  };
  Bytes badCrc = plain;
  badCrc[40] ^= 1;
  Bytes trailing = plain;
  trailing.push_back(0);
  Bytes cut = plain;
  cut.resize(cut.size() - 4);
  const std::pair<const char*, Bytes> cases[] = {
      {"16 bits a sample", header(8, 16)},
      {"grey and alpha", header(9, 4)},
      {"palette", header(9, 3)},
      {"interlaced", header(12, 1)},
      {"a check value wrong", badCrc},
      {"bytes after the end", trailing},
      {"cut short", cut},
      {"no end chunk", with([](std::vector<RawChunk>& c) { c.pop_back(); })},
      {"an unknown critical chunk", with([](std::vector<RawChunk>& c) {
         c.insert(c.begin() + 1, {"ABCD", {}});
       })},
      {"a second header", with([](std::vector<RawChunk>& c) { c.insert(c.begin() + 1, c[0]); })},
      {"text between image data chunks", with([](std::vector<RawChunk>& c) {
         c.insert(c.begin() + 2, RawChunk{"tEXt", {'a', 0}});
         c.insert(c.begin() + 3, RawChunk{"IDAT", {}});
       })},
      {"one row too few", with([&](std::vector<RawChunk>& c) { c[1].body = rows(kSide - 1, 0); })},
      {"one row too many", with([&](std::vector<RawChunk>& c) { c[1].body = rows(kSide + 1, 0); })},
      {"an unknown row filter", with([&](std::vector<RawChunk>& c) { c[1].body = rows(kSide, 5); })},
      {"bytes after the compressed stream", with([&](std::vector<RawChunk>& c) {
         c.insert(c.begin() + 2, RawChunk{"IDAT", {1, 2, 3}});
       })},
      {"damaged image data", with([](std::vector<RawChunk>& c) { c[1].body[c[1].body.size() / 2] ^= 0x55; })},
      {"no image data", with([](std::vector<RawChunk>& c) { c.erase(c.begin() + 1); })},
      {"not a PNG", Bytes(60, 0)},
  };
  for (const auto& [name, png] : cases) EXPECT_FALSE(PlainRgbaPng(png, kSide, kSide)) << name;
  EXPECT_TRUE(PlainRgbaPng(with([&](std::vector<RawChunk>& c) { c[1].body = rows(kSide, 4); }), kSide, kSide))
      << "the same rows made by another encoder";
  EXPECT_FALSE(PlainRgbaPng(plain, kSide, kSide + 1)) << "another size than the entry's";
}

}  // namespace
}  // namespace pixmint::document
