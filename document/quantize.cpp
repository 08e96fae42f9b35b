#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "document/byte_io.h"
#include "document/icon_image.h"

namespace pixmint::document {
namespace {

constexpr std::uint32_t kKeyCount = 32768;
constexpr std::size_t kTableSize = 256;

[[nodiscard]] std::uint32_t KeyOf(const std::uint8_t* bgr) {
  return ((std::uint32_t{bgr[0]} & 0xF8) << 7) + ((std::uint32_t{bgr[1]} & 0xF8) << 2) +
         ((std::uint32_t{bgr[2]} & 0xF8) >> 3);
}
[[nodiscard]] int KeyRed(std::uint32_t key) {
  return static_cast<int>(key & 0x1F) * 8;
}
[[nodiscard]] int KeyGreen(std::uint32_t key) {
  return static_cast<int>((key & 0x03E0) >> 2);
}
[[nodiscard]] int KeyBlue(std::uint32_t key) {
  return static_cast<int>((key & 0x7C00) >> 7);
}

struct PopularityList {
  std::vector<std::uint32_t> counts;
  std::vector<std::uint32_t> keys;
};

PopularityList Histogram(const raster::Picture& picture) {
  std::vector<std::uint32_t> hist(kKeyCount, 0);
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) ++hist[KeyOf(picture.At(x, y))];
  }
  PopularityList list;
  for (std::uint32_t key = 0; key < kKeyCount; ++key) {
    if (hist[key] != 0) {
      list.counts.push_back(hist[key]);
      list.keys.push_back(key);
    }
  }
  while (list.counts.size() < 2) {
    list.counts.push_back(0);
    list.keys.push_back(0);
  }
  return list;
}

// The descending exchange sort (swap i and j whenever count j is strictly
// larger than count i), run only for the places that become table entries:
// pass i never touches places before i, so places 0..255 are final after
// pass 255 and the rest only needs its keys, not its order.
void SortFirstPlaces(PopularityList& list) {
  const std::size_t n = list.counts.size();
  std::uint32_t* counts = list.counts.data();
  std::uint32_t* keys = list.keys.data();
  const std::size_t passes = std::min(kTableSize, n - 1);
  for (std::size_t i = 0; i < passes; ++i) {
    std::uint32_t top = counts[i];
    std::size_t j = i + 1;
    while (j < n) {
      // Skip blocks with no larger count quickly; most passes swap rarely.
      constexpr std::size_t kBlock = 16;
      if (j + kBlock <= n) {
        bool any = false;
        for (std::size_t k = 0; k < kBlock; ++k) any |= counts[j + k] > top;
        if (!any) {
          j += kBlock;
          continue;
        }
      }
      if (counts[j] > top) {
        std::swap(counts[i], counts[j]);
        std::swap(keys[i], keys[j]);
        top = counts[i];
      }
      ++j;
    }
  }
}

// Transparent pixels store black (the screen under them is kept by AND with
// the mask and XOR with black), so a table for an image that has them must
// hold black: when the most popular colours leave it out, it takes the last
// place and the colour that stood there goes to its nearest entry.
void ReserveBlack(PopularityList& list) {
  const auto at = static_cast<std::size_t>(std::find(list.keys.begin(), list.keys.end(), 0u) - list.keys.begin());
  if (at < kTableSize) return;
  if (list.keys.size() < kTableSize) {
    list.keys.push_back(0);
    list.counts.push_back(0);
    return;
  }
  constexpr std::size_t kLast = kTableSize - 1;
  if (at == list.keys.size()) {
    list.keys.push_back(0);
    list.counts.push_back(0);
  }
  std::swap(list.keys[kLast], list.keys[at]);
  std::swap(list.counts[kLast], list.counts[at]);
}

struct TableChannels {
  std::array<int, kTableSize> r{}, g{}, b{};
};

// For every 15-bit key, the index of the nearest table entry by squared
// distance, the first of equals winning, exactly as a scan of the whole table
// finds it. Table and keys lie on the same 32-level grid, so distances are
// counted in grid steps and packed with the entry index as (distance << 8 |
// index): the smallest packed value is the nearest entry with the lowest
// index. The minimum over all entries is taken one axis at a time (red, then
// green, then blue), which gives the same minimum as the direct search.
std::vector<std::uint32_t> NearestEntryOfEveryKey(const TableChannels& t) {
  constexpr std::uint32_t kNone = 1u << 30;
  std::vector<std::uint32_t> a(kKeyCount, kNone);
  for (std::uint32_t p = 0; p < kTableSize; ++p) {
    const int r = t.r[p] >> 3, g = t.g[p] >> 3, b = t.b[p] >> 3;
    std::uint32_t* line = a.data() + (b << 10) + (g << 5);
    for (int x = 0; x < 32; ++x) line[x] = std::min(line[x], (static_cast<std::uint32_t>((x - r) * (x - r)) << 8) | p);
  }
  std::vector<std::uint32_t> out(kKeyCount, kNone);
  // Along green: rows of 32 reds; then along blue: planes of 1024.
  for (int b = 0; b < 32; ++b) {
    for (int g = 0; g < 32; ++g) {
      std::uint32_t* dst = out.data() + (b << 10) + (g << 5);
      for (int from = 0; from < 32; ++from) {
        const std::uint32_t* src = a.data() + (b << 10) + (from << 5);
        const auto step = static_cast<std::uint32_t>((g - from) * (g - from)) << 8;
        for (int x = 0; x < 32; ++x) dst[x] = std::min(dst[x], src[x] + step);
      }
    }
  }
  std::fill(a.begin(), a.end(), kNone);
  for (int b = 0; b < 32; ++b) {
    std::uint32_t* dst = a.data() + (b << 10);
    for (int from = 0; from < 32; ++from) {
      const std::uint32_t* src = out.data() + (from << 10);
      const auto step = static_cast<std::uint32_t>((b - from) * (b - from)) << 8;
      for (int x = 0; x < 1024; ++x) dst[x] = std::min(dst[x], src[x] + step);
    }
  }
  return a;
}

}  // namespace

bool QuantizeTo8Bit(const raster::Picture& picture, std::vector<std::uint8_t>& header,
                    std::vector<std::uint8_t>& colourBits, bool reserveBlack) {
  const int w = picture.Width();
  const int h = picture.Height();
  if (w <= 0 || h <= 0) return false;
  PopularityList list = Histogram(picture);
  SortFirstPlaces(list);
  if (reserveBlack) ReserveBlack(list);

  std::vector<std::uint8_t> block(kHeaderBlockBytes, 0);
  PutU32(block, 0, kInfoHeaderBytes);
  PutU32(block, 4, static_cast<std::uint32_t>(w));
  PutU32(block, 8, static_cast<std::uint32_t>(h));
  PutU16(block, 12, 1);
  PutU16(block, 14, 8);
  TableChannels table;
  for (std::size_t p = 0; p < kTableSize; ++p) {
    const std::uint32_t key = p < list.keys.size() ? list.keys[p] : 0;
    table.r[p] = KeyRed(key);
    table.g[p] = KeyGreen(key);
    table.b[p] = KeyBlue(key);
    block[kInfoHeaderBytes + 4 * p] = static_cast<std::uint8_t>(table.b[p]);
    block[kInfoHeaderBytes + 4 * p + 1] = static_cast<std::uint8_t>(table.g[p]);
    block[kInfoHeaderBytes + 4 * p + 2] = static_cast<std::uint8_t>(table.r[p]);
  }

  // Each key's index is that of its first list entry.
  std::vector<std::uint32_t> nearest;
  std::vector<std::uint8_t> indexOfKey(kKeyCount, 0);
  std::vector<bool> known(kKeyCount, false);
  for (std::size_t p = 0; p < list.keys.size(); ++p) {
    const std::uint32_t key = list.keys[p];
    if (known[key]) continue;
    known[key] = true;
    if (p >= kTableSize && nearest.empty()) nearest = NearestEntryOfEveryKey(table);
    indexOfKey[key] = static_cast<std::uint8_t>(p < kTableSize ? p : nearest[key] & 0xFF);
  }

  const std::size_t stride = static_cast<std::size_t>(RowBytes(8ull * static_cast<std::uint64_t>(w)));
  std::vector<std::uint8_t> bits(stride * static_cast<std::size_t>(h), 0);
  for (int y = 0; y < h; ++y) {
    std::uint8_t* out = bits.data() + static_cast<std::size_t>(h - 1 - y) * stride;
    for (int x = 0; x < w; ++x) out[x] = indexOfKey[KeyOf(picture.At(x, y))];
  }
  header = std::move(block);
  colourBits = std::move(bits);
  return true;
}

}  // namespace pixmint::document
