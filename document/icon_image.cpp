#include "document/icon_image.h"

#include <algorithm>

#include "document/byte_io.h"

namespace pixmint::document {
namespace {

constexpr std::array<std::uint8_t, 8> kTable1 = {0, 0, 0, 0, 255, 255, 255, 0};

// Red, green, blue of the 16-colour table; stored as blue, green, red, 0.
constexpr std::array<std::array<std::uint8_t, 3>, 16> kRgb4 = {{{0, 0, 0},
                                                                {255, 255, 255},
                                                                {132, 130, 132},
                                                                {198, 195, 198},
                                                                {132, 0, 0},
                                                                {255, 0, 0},
                                                                {132, 130, 0},
                                                                {255, 255, 0},
                                                                {0, 255, 0},
                                                                {0, 130, 0},
                                                                {0, 130, 132},
                                                                {0, 255, 255},
                                                                {0, 0, 132},
                                                                {0, 0, 255},
                                                                {132, 0, 132},
                                                                {255, 0, 255}}};

void PutEntry(std::span<std::uint8_t> table, int index, int r, int g, int b) {
  table[index * 4 + 0] = static_cast<std::uint8_t>(b);
  table[index * 4 + 1] = static_cast<std::uint8_t>(g);
  table[index * 4 + 2] = static_cast<std::uint8_t>(r);
  table[index * 4 + 3] = 0;
}

std::array<std::uint8_t, 64> MakeTable4() {
  std::array<std::uint8_t, 64> t{};
  for (int i = 0; i < 16; ++i) PutEntry(t, i, kRgb4[i][0], kRgb4[i][1], kRgb4[i][2]);
  return t;
}

// Grey steps (the 33rd wraps to black), a 6x6x6 cube with blue fastest, then black.
std::array<std::uint8_t, 1024> MakeTable8() {
  std::array<std::uint8_t, 1024> t{};
  for (int i = 0; i <= 32; ++i) {
    const int grey = (8 * i) % 256;
    PutEntry(t, i, grey, grey, grey);
  }
  for (int r = 0; r < 6; ++r) {
    for (int g = 0; g < 6; ++g) {
      for (int b = 0; b < 6; ++b) PutEntry(t, 33 + 36 * r + 6 * g + b, 51 * r, 51 * g, 51 * b);
    }
  }
  return t;
}

const std::array<std::uint8_t, 64> kTable4 = MakeTable4();
const std::array<std::uint8_t, 1024> kTable8 = MakeTable8();

std::string Num(std::int64_t v) {
  return std::to_string(v);
}

// The first problem of a block's header, if any; extent receives where its
// colour bits and its mask end. Only the header must lie in block.
std::optional<texts::Failure> MeasureHeader(std::span<const std::uint8_t> block, BlockExtent& extent) {
  using texts::Fail;
  using texts::Failure;
  if (block.size() < kInfoHeaderBytes) return Failure{Fail::kBlockShorterThanHeader, {Num(block.size())}};
  const BitmapHeader h = ParseHeader(block);
  if (h.size < kInfoHeaderBytes || h.size > block.size()) return Failure{Fail::kHeaderSize, {Num(h.size)}};
  if (h.width < 1 || h.width > kMaxImageSide) return Failure{Fail::kImageWidth, {Num(h.width)}};
  if (h.height / 2 < 1 || h.height / 2 > kMaxImageSide) return Failure{Fail::kImageHeight, {Num(h.height / 2)}};
  if (h.planes != 1) return Failure{Fail::kImagePlanes, {Num(h.planes)}};
  if (!IsValidBitCount(h.bitCount)) return Failure{Fail::kImageBitCount, {Num(h.bitCount)}};
  if (h.compression != 0) return Failure{Fail::kImageCompression, {Num(h.compression)}};
  const std::uint32_t maxColours = h.bitCount <= 8 ? (1u << h.bitCount) : 256u;
  if (h.coloursUsed > maxColours) return Failure{Fail::kImageColoursUsed, {Num(h.coloursUsed)}};
  const std::uint64_t rows = static_cast<std::uint64_t>(h.height / 2);
  extent.colourEnd = FindColourBits(h) + ColourRowBytes(h) * rows;
  extent.end = extent.colourEnd + MaskRowBytes(h) * rows;
  extent.bitCount = h.bitCount;
  return std::nullopt;
}

// As MeasureHeader, and the whole block must lie in block: the size it needs.
texts::Result<std::uint64_t> CheckHeader(std::span<const std::uint8_t> block) {
  BlockExtent extent;
  if (auto problem = MeasureHeader(block, extent)) return *std::move(problem);
  if (extent.end > block.size()) return ShortBlock(block.size(), extent.end);
  return extent.end;
}

}  // namespace

BitmapHeader ParseHeader(std::span<const std::uint8_t> bytes) {
  BitmapHeader h;
  h.size = GetU32(bytes, 0);
  h.width = GetI32(bytes, 4);
  h.height = GetI32(bytes, 8);
  h.planes = GetU16(bytes, 12);
  h.bitCount = GetU16(bytes, 14);
  h.compression = GetU32(bytes, 16);
  h.coloursUsed = GetU32(bytes, 32);
  return h;
}

bool IsValidBitCount(std::uint32_t bitCount) {
  return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 || bitCount == 32;
}

std::uint64_t ColourRowBytes(const BitmapHeader& header) {
  const std::uint64_t width = header.width > 0 ? static_cast<std::uint64_t>(header.width) : 0;
  return RowBytes(width * header.planes * header.bitCount);
}

std::uint64_t MaskRowBytes(const BitmapHeader& header) {
  return RowBytes(header.width > 0 ? static_cast<std::uint64_t>(header.width) : 0);
}

std::uint32_t ColourCount(const BitmapHeader& header) {
  if (header.coloursUsed != 0) return header.coloursUsed & 0xFFFF;
  switch (header.bitCount) {
    case 1:
      return 2;
    case 4:
      return 16;
    case 8:
      return 256;
    default:
      return 0;
  }
}

std::uint64_t PaletteBytes(const BitmapHeader& header) {
  return 4ull * ColourCount(header);
}

std::uint64_t FindColourBits(const BitmapHeader& header) {
  return std::uint64_t{header.size} + PaletteBytes(header);
}

std::uint32_t IconImage::HeaderSize() const {
  return Data.size() >= 4 ? GetU32(Data, 0) : 0;
}

std::span<const std::uint8_t> IconImage::ColourTable() const {
  const std::size_t start = HeaderSize();
  return std::span<const std::uint8_t>(Data).subspan(start, xorOffset - start);
}

std::span<std::uint8_t> IconImage::XorPart() {
  return std::span<std::uint8_t>(Data).subspan(xorOffset, andOffset - xorOffset);
}
std::span<const std::uint8_t> IconImage::XorPart() const {
  return std::span<const std::uint8_t>(Data).subspan(xorOffset, andOffset - xorOffset);
}
std::span<std::uint8_t> IconImage::AndPart() {
  return std::span<std::uint8_t>(Data).subspan(andOffset, endOffset - andOffset);
}
std::span<const std::uint8_t> IconImage::AndPart() const {
  return std::span<const std::uint8_t>(Data).subspan(andOffset, endOffset - andOffset);
}

texts::Result<BlockExtent> MeasureImageBlock(std::span<const std::uint8_t> block) {
  BlockExtent extent;
  if (auto problem = MeasureHeader(block, extent)) return *std::move(problem);
  return extent;
}

texts::Failure ShortBlock(std::uint64_t have, std::uint64_t needed) {
  return {texts::Fail::kBlockTooShort, {Num(static_cast<std::int64_t>(have)), Num(static_cast<std::int64_t>(needed))}};
}

texts::Result<void> InitImageRecord(IconImage& record) {
  if (texts::Result<std::uint64_t> needed = CheckHeader(record.Data); !needed) return needed.error();
  const BitmapHeader h = ParseHeader(record.Data);
  record.Width = static_cast<std::uint32_t>(h.width);
  record.Height = static_cast<std::uint32_t>(h.height / 2);
  record.Colors = std::uint32_t{h.planes} * h.bitCount;
  record.DataSize = static_cast<std::uint32_t>(record.Data.size());
  record.xorOffset = static_cast<std::size_t>(FindColourBits(h));
  record.andOffset = record.xorOffset + static_cast<std::size_t>(ColourRowBytes(h) * record.Height);
  record.endOffset = record.andOffset + static_cast<std::size_t>(MaskRowBytes(h) * record.Height);
  return {};
}

std::span<const std::uint8_t> DefaultColourTable(int bitCount) {
  switch (bitCount) {
    case 1:
      return kTable1;
    case 4:
      return kTable4;
    case 8:
      return kTable8;
    default:
      return {};
  }
}

std::vector<raster::Colour> TableColours(std::span<const std::uint8_t> table) {
  std::vector<raster::Colour> colours(table.size() / 4);
  for (std::size_t i = 0; i < colours.size(); ++i) {
    colours[i] = raster::Rgb(table[i * 4 + 2], table[i * 4 + 1], table[i * 4]);
  }
  return colours;
}

std::vector<std::uint8_t> CreateImageHeader(int width, int height, int bitCount) {
  if (bitCount < 0 || !IsValidBitCount(static_cast<std::uint32_t>(bitCount))) return {};
  std::vector<std::uint8_t> block(kHeaderBlockBytes, 0);
  PutU32(block, 0, kInfoHeaderBytes);
  PutU32(block, 4, static_cast<std::uint32_t>(width));
  PutU32(block, 8, static_cast<std::uint32_t>(height));
  PutU16(block, 12, 1);
  PutU16(block, 14, static_cast<std::uint32_t>(bitCount));
  const auto table = DefaultColourTable(bitCount);
  std::copy(table.begin(), table.end(), block.begin() + kInfoHeaderBytes);
  return block;
}

bool MakeBlankImage(int width, int height, int bitCount, IconImage& record) {
  if (width < 1 || height < 1 || width > kMaxImageSide || height > kMaxImageSide) return false;
  std::vector<std::uint8_t> header = CreateImageHeader(width, 2 * height, bitCount);
  if (header.empty()) return false;
  const BitmapHeader h = ParseHeader(header);
  const std::uint64_t size = FindColourBits(h) + (ColourRowBytes(h) + MaskRowBytes(h)) * height;
  header.resize(static_cast<std::size_t>(size), 0);
  IconImage made;
  made.Data = std::move(header);
  if (!InitImageRecord(made)) return false;
  record = std::move(made);
  return true;
}

void SetMaskBit(std::span<std::uint8_t> bits, int width, int height, int x, int y, int value) {
  if (x < 0 || y < 0 || x >= width || y >= height) return;
  const std::uint64_t index =
      RowBytes(static_cast<std::uint64_t>(width)) * static_cast<std::uint64_t>(height - y - 1) + (x >> 3);
  if (index >= bits.size()) return;
  const auto bit = static_cast<std::uint8_t>(0x80 >> (x & 7));
  if (value != 0) {
    bits[index] |= bit;
  } else {
    bits[index] &= static_cast<std::uint8_t>(~bit);
  }
}

}  // namespace pixmint::document
