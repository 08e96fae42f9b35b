// Copying a PNG entry that needs no new encoding.
#include <libdeflate.h>
#include <zlib.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "document/png_codec.h"

namespace pixmint::document {
namespace {

constexpr std::size_t kSignatureBytes = 8;
constexpr std::size_t kHeaderEnd = kSignatureBytes + 12 + 13;  // signature and the IHDR chunk

std::uint32_t Be32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// One chunk: where it starts and ends, its type and its data.
struct Chunk {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::string_view type;
  std::span<const std::uint8_t> body;
};

// The chunk at pos when it is whole and its check value is right.
std::optional<Chunk> ChunkAt(std::span<const std::uint8_t> data, std::size_t pos) {
  if (pos + 12 > data.size()) return std::nullopt;
  const std::uint64_t length = Be32(&data[pos]);
  if (length > data.size() - pos - 12) return std::nullopt;
  const auto n = static_cast<std::size_t>(length);
  if (crc32(0, &data[pos + 4], static_cast<uInt>(4 + n)) != Be32(&data[pos + 8 + n])) return std::nullopt;
  return Chunk{pos, pos + 12 + n, std::string_view(reinterpret_cast<const char*>(&data[pos + 4]), 4),
               data.subspan(pos + 8, n)};
}

// The rows' filters undone in place (each row's filter byte stays in front
// of it): 8-bit RGBA, 4 bytes a pixel.
void Unfilter(std::vector<std::uint8_t>& rows, std::size_t rowBytes) {
  const std::size_t n = rowBytes - 1;
  const std::uint8_t* prior = nullptr;
  for (std::size_t at = 0; at < rows.size(); at += rowBytes) {
    std::uint8_t* row = rows.data() + at + 1;
    const std::uint8_t filter = rows[at];
    for (std::size_t i = 0; i < n; ++i) {
      const int a = i >= 4 ? row[i - 4] : 0;
      const int b = prior != nullptr ? prior[i] : 0;
      const int c = prior != nullptr && i >= 4 ? prior[i - 4] : 0;
      int predicted = 0;
      if (filter == 1) predicted = a;
      if (filter == 2) predicted = b;
      if (filter == 3) predicted = (a + b) / 2;
      if (filter == 4) {
        const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
        predicted = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
      }
      row[i] = static_cast<std::uint8_t>(row[i] + predicted);
    }
    prior = row;
  }
}

// The image data, gathered from its chunks, must inflate to exactly height
// rows of 1 + 4 * width bytes, each starting with a known filter, with
// nothing after the end of the stream. libdeflate inflates it in one go,
// several times faster than zlib; the rows are bounded by the sides, which
// the caller has checked. pixels, when given, receives the picture.
bool RowsComplete(std::span<const std::uint8_t> packed, std::uint32_t width, std::uint32_t height, Image32* pixels) {
  const std::size_t rowBytes = 1 + 4 * static_cast<std::size_t>(width);
  std::vector<std::uint8_t> rows(rowBytes * height);
  libdeflate_decompressor* inflater = libdeflate_alloc_decompressor();
  if (inflater == nullptr) return false;
  std::size_t used = 0, made = 0;
  const libdeflate_result result =
      libdeflate_zlib_decompress_ex(inflater, packed.data(), packed.size(), rows.data(), rows.size(), &used, &made);
  libdeflate_free_decompressor(inflater);
  if (result != LIBDEFLATE_SUCCESS || used != packed.size() || made != rows.size()) return false;
  for (std::size_t at = 0; at < rows.size(); at += rowBytes) {
    if (rows[at] > 4) return false;
  }
  if (pixels == nullptr) return true;
  Unfilter(rows, rowBytes);
  pixels->width = static_cast<int>(width);
  pixels->height = static_cast<int>(height);
  pixels->pixels.resize(static_cast<std::size_t>(width) * height * 4);
  for (std::uint32_t y = 0; y < height; ++y) {
    std::memcpy(pixels->pixels.data() + static_cast<std::size_t>(y) * (rowBytes - 1), rows.data() + y * rowBytes + 1,
                rowBytes - 1);
  }
  return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> PlainRgbaPng(std::span<const std::uint8_t> data, std::uint32_t width,
                                                      std::uint32_t height, Image32* pixels) {
  const auto size = PngDimensions(data);
  if (!size || *size != std::pair{width, height} || width == 0 || height == 0) return std::nullopt;
  if (width > kMaxIconPngSide || height > kMaxIconPngSide) return std::nullopt;
  const auto header = ChunkAt(data, kSignatureBytes);
  // 13 bytes: bit depth 8, colour type 6 (RGBA), compression, filter and
  // interlace method 0.
  if (!header || header->body.size() != 13 || header->body[8] != 8 || header->body[9] != 6 || header->body[10] != 0 ||
      header->body[11] != 0 || header->body[12] != 0) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> out(data.begin(), data.begin() + kHeaderEnd);
  std::vector<std::uint8_t> packed;
  bool inData = false, dataDone = false;
  for (std::size_t pos = kHeaderEnd;;) {
    const auto chunk = ChunkAt(data, pos);
    if (!chunk) return std::nullopt;
    const bool isData = chunk->type == "IDAT";
    // Image data comes in consecutive chunks.
    if (isData && dataDone) return std::nullopt;
    if (inData && !isData) dataDone = true;
    inData = isData;
    const bool critical = (chunk->type[0] & 0x20) == 0;
    if (chunk->type == "IEND") {
      if (chunk->end != data.size() || !RowsComplete(packed, width, height, pixels)) return std::nullopt;
      out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(chunk->begin), data.end());
      return out;
    }
    if (isData) {
      packed.insert(packed.end(), chunk->body.begin(), chunk->body.end());
      out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(chunk->begin),
                 data.begin() + static_cast<std::ptrdiff_t>(chunk->end));
    } else if (critical && chunk->type != "PLTE") {
      return std::nullopt;  // a second header or a chunk we do not know
    }
    pos = chunk->end;
  }
}

}  // namespace pixmint::document
