#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
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
    const std::uint8_t* row = picture.Row(y);
    for (int x = 0; x < picture.Width(); ++x) ++hist[KeyOf(row + 3 * x)];
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

struct TableChannels {
  std::array<int, kTableSize> r{}, g{}, b{};
};

// Nearest table entry by squared distance, the first of equals winning,
// exactly as a scan of the whole table finds it. Table and query colours are
// all on the 32-level grid of 15-bit keys, so distances are compared in
// grid steps. The grid is cut into cells of 4 x 4 x 4 levels; a cell keeps
// only the entries that can be nearest (or tie) for some point in it: those
// whose least distance to the cell does not exceed the smallest greatest
// distance of any entry. A cell's entries are sorted by that least distance.
class NearestSearch {
 public:
  explicit NearestSearch(const TableChannels& t) {
    for (std::size_t p = 0; p < kTableSize; ++p) {
      level_[p] = {t.r[p] >> 3, t.g[p] >> 3, t.b[p] >> 3};
    }
  }

  // Cells are built on first use: most pictures touch few of them.
  [[nodiscard]] std::uint8_t Find(std::uint32_t key) {
    const Level q = {static_cast<int>(key & 31), static_cast<int>((key >> 5) & 31), static_cast<int>((key >> 10) & 31)};
    const int cell = CellOf(q);
    if (!built_[cell]) BuildCell(cell);
    const auto& list = candidates_[cell];
    int best = 1 << 30;
    std::uint8_t bestIndex = 0;
    for (const Candidate& c : list) {
      if (c.least > best) break;
      const int d = Distance(level_[c.index], q);
      if (d < best || (d == best && c.index < bestIndex)) {
        best = d;
        bestIndex = c.index;
      }
    }
    return bestIndex;
  }

 private:
  static constexpr int kCellSide = 4;
  static constexpr int kCells = 32 / kCellSide;
  struct Level {
    int r, g, b;
  };
  struct Candidate {
    int least;  // least distance from the entry to any point of the cell
    std::uint8_t index;
  };

  [[nodiscard]] static int Distance(const Level& a, const Level& b) {
    return (a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b);
  }
  [[nodiscard]] static int CellOf(const Level& q) {
    return ((q.r / kCellSide) * kCells + q.g / kCellSide) * kCells + q.b / kCellSide;
  }
  // Least and greatest squared distance along one axis to [lo, lo + side - 1].
  [[nodiscard]] static int Least(int v, int lo) {
    const int hi = lo + kCellSide - 1;
    const int d = v < lo ? lo - v : (v > hi ? v - hi : 0);
    return d * d;
  }
  [[nodiscard]] static int Greatest(int v, int lo) {
    const int d = std::max(std::abs(v - lo), std::abs(v - (lo + kCellSide - 1)));
    return d * d;
  }

  void BuildCell(int cell) {
    built_[cell] = true;
    const int r0 = cell / (kCells * kCells) * kCellSide;
    const int g0 = cell / kCells % kCells * kCellSide;
    const int b0 = cell % kCells * kCellSide;
    int limit = 1 << 30;
    for (const Level& e : level_) limit = std::min(limit, Greatest(e.r, r0) + Greatest(e.g, g0) + Greatest(e.b, b0));
    for (std::size_t p = 0; p < kTableSize; ++p) {
      const Level& e = level_[p];
      const int least = Least(e.r, r0) + Least(e.g, g0) + Least(e.b, b0);
      if (least <= limit) candidates_[cell].push_back({least, static_cast<std::uint8_t>(p)});
    }
    // Nearest first, so a search stops once no further entry can match.
    std::stable_sort(candidates_[cell].begin(), candidates_[cell].end(),
                     [](const Candidate& a, const Candidate& b) { return a.least < b.least; });
  }

  std::array<Level, kTableSize> level_{};
  std::array<std::vector<Candidate>, kCells * kCells * kCells> candidates_;
  std::array<bool, kCells * kCells * kCells> built_{};
};

}  // namespace

bool QuantizeTo8Bit(const raster::Picture& picture, std::vector<std::uint8_t>& header,
                    std::vector<std::uint8_t>& colourBits) {
  const int w = picture.Width();
  const int h = picture.Height();
  if (w <= 0 || h <= 0) return false;
  PopularityList list = Histogram(picture);
  SortFirstPlaces(list);

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
  NearestSearch nearest(table);
  std::vector<std::uint8_t> indexOfKey(kKeyCount, 0);
  std::vector<bool> known(kKeyCount, false);
  for (std::size_t p = 0; p < list.keys.size(); ++p) {
    const std::uint32_t key = list.keys[p];
    if (known[key]) continue;
    known[key] = true;
    indexOfKey[key] = p < kTableSize ? static_cast<std::uint8_t>(p) : nearest.Find(key);
  }

  const std::size_t stride = static_cast<std::size_t>(RowBytes(8ull * static_cast<std::uint64_t>(w)));
  std::vector<std::uint8_t> bits(stride * static_cast<std::size_t>(h), 0);
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* row = picture.Row(y);
    std::uint8_t* out = bits.data() + static_cast<std::size_t>(h - 1 - y) * stride;
    for (int x = 0; x < w; ++x) out[x] = indexOfKey[KeyOf(row + 3 * x)];
  }
  header = std::move(block);
  colourBits = std::move(bits);
  return true;
}

}  // namespace pixmint::document
