// Writing 8-bit RGBA PNG pictures. The rows are filtered here and the
// image data is compressed by libdeflate in one call: libpng would run zlib,
// which is several times slower for the same size (bench_png_settings).
#include <libdeflate.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "document/png_codec.h"

namespace pixmint::document {
namespace {

// The PNG filter types.
enum Filter : std::uint8_t { kNone = 0, kSub = 1, kUp = 2, kAverage = 3, kPaeth = 4 };
constexpr int kBytesPerPixel = 4;

// Written as selects without branches, so that the loop vectorises.
int PaethPredictor(int a, int b, int c) {
  const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
  const int bc = pb <= pc ? b : c;
  return pa <= pb && pa <= pc ? a : bc;
}

// The byte of filter type predicts from its left neighbour a, the byte
// above b and the one above the left neighbour c.
template <Filter type>
int Predict(int a, int b, int c) {
  if constexpr (type == kSub) return a;
  if constexpr (type == kUp) return b;
  if constexpr (type == kAverage) return (a + b) >> 1;
  if constexpr (type == kPaeth) return PaethPredictor(a, b, c);
  return 0;
}

// Writes row filtered by type into out; prior is the row above (zeros for
// the first). Answers the sum of the output bytes taken as signed values,
// the usual measure of how well a filter flattens a row. One loop per type,
// without branches inside, so that the compiler can vectorise it.
template <Filter type>
std::uint32_t FilterRow(const std::uint8_t* row, const std::uint8_t* prior, std::size_t n, std::uint8_t* out) {
  std::uint32_t sum = 0;
  const auto put = [&](std::size_t i, int a, int c) {
    const auto value = static_cast<std::uint8_t>(row[i] - Predict<type>(a, prior[i], c));
    out[i] = value;
    sum += static_cast<std::uint32_t>(std::abs(static_cast<std::int8_t>(value)));
  };
  for (std::size_t i = 0; i < kBytesPerPixel; ++i) put(i, 0, 0);
  for (std::size_t i = kBytesPerPixel; i < n; ++i) put(i, row[i - kBytesPerPixel], prior[i - kBytesPerPixel]);
  return sum;
}

using RowFilter = std::uint32_t (*)(const std::uint8_t*, const std::uint8_t*, std::size_t, std::uint8_t*);
constexpr std::array<RowFilter, 5> kFilters = {FilterRow<kNone>, FilterRow<kSub>, FilterRow<kUp>, FilterRow<kAverage>,
                                               FilterRow<kPaeth>};

// The image data before compression: each row with the filter that leaves
// the smallest sum (libpng's adaptive choice). Rows are RGBA, top-down.
std::vector<std::uint8_t> FilteredRows(int width, int height, std::span<const std::uint8_t> pixels, ChannelOrder order,
                                       bool bottomUp) {
  const std::size_t n = static_cast<std::size_t>(width) * kBytesPerPixel;
  std::vector<std::uint8_t> filtered((n + 1) * static_cast<std::size_t>(height));
  std::vector<std::uint8_t> row(n), prior(n, 0), trial(n);
  for (int y = 0; y < height; ++y) {
    const std::size_t memoryRow = static_cast<std::size_t>(bottomUp ? height - 1 - y : y);
    const std::uint8_t* source = pixels.data() + memoryRow * n;
    if (order == ChannelOrder::kBgra) {
      for (std::size_t i = 0; i < n; i += 4) {
        row[i] = source[i + 2], row[i + 1] = source[i + 1], row[i + 2] = source[i], row[i + 3] = source[i + 3];
      }
    } else {
      std::memcpy(row.data(), source, n);
    }
    std::uint8_t* out = filtered.data() + static_cast<std::size_t>(y) * (n + 1);
    std::uint32_t best = kFilters[kNone](row.data(), prior.data(), n, out + 1);
    out[0] = kNone;
    for (std::uint8_t type = kSub; type <= kPaeth; ++type) {
      const std::uint32_t sum = kFilters[type](row.data(), prior.data(), n, trial.data());
      if (sum < best) {
        best = sum;
        out[0] = type;
        std::memcpy(out + 1, trial.data(), n);
      }
    }
    row.swap(prior);
  }
  return filtered;
}

void PutBe32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void AppendChunk(std::vector<std::uint8_t>& out, const char* type, std::span<const std::uint8_t> body) {
  PutBe32(out, static_cast<std::uint32_t>(body.size()));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), body.begin(), body.end());
  PutBe32(out, libdeflate_crc32(0, out.data() + typeAt, 4 + body.size()));
}

struct CompressorFree {
  void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

// A compressor's tables take some hundred kilobytes; one kept per thread for
// the last level asked spares a command that writes many pictures setting
// them up each time.
libdeflate_compressor* Compressor(int level) {
  thread_local std::unique_ptr<libdeflate_compressor, CompressorFree> compressor;
  thread_local int compressorLevel = 0;
  if (!compressor || compressorLevel != level) {
    compressor.reset(libdeflate_alloc_compressor(level));
    compressorLevel = level;
  }
  return compressor.get();
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodePng32(int width, int height, std::span<const std::uint8_t> pixels,
                                                     ChannelOrder order, bool bottomUp, int deflateLevel) {
  if (width < 1 || height < 1 || pixels.size() != static_cast<std::size_t>(width) * height * 4) return std::nullopt;
  // One IDAT chunk holds at most 2^31 - 1 bytes; pictures here are far smaller.
  if (pixels.size() > (1u << 30)) return std::nullopt;
  const std::vector<std::uint8_t> filtered = FilteredRows(width, height, pixels, order, bottomUp);
  libdeflate_compressor* compressor = Compressor(deflateLevel);
  if (compressor == nullptr) return std::nullopt;
  // Only the compressed part of this buffer is ever touched.
  const std::size_t bound = libdeflate_zlib_compress_bound(compressor, filtered.size());
  const auto data = std::make_unique_for_overwrite<std::uint8_t[]>(bound);
  const std::size_t packed = libdeflate_zlib_compress(compressor, filtered.data(), filtered.size(), data.get(), bound);
  if (packed == 0) return std::nullopt;

  constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  PutBe32(header, static_cast<std::uint32_t>(width));
  PutBe32(header, static_cast<std::uint32_t>(height));
  // 8 bits per sample, RGBA, deflate, adaptive filtering, not interlaced.
  header.insert(header.end(), {8, 6, 0, 0, 0});
  std::vector<std::uint8_t> out(kSignature.begin(), kSignature.end());
  out.reserve(kSignature.size() + 3 * 12 + header.size() + packed);
  AppendChunk(out, "IHDR", header);
  AppendChunk(out, "IDAT", std::span<const std::uint8_t>(data.get(), packed));
  AppendChunk(out, "IEND", {});
  return out;
}

}  // namespace pixmint::document
