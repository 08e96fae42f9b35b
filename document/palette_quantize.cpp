#include "document/palette_quantize.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace pixmint::document {
namespace {

struct Weighted {
  std::array<int, 3> rgb;
  std::uint64_t count;
};

struct Box {
  std::size_t begin = 0, end = 0;  // range of the weighted colours
  std::uint64_t population = 0;
  int axis = 0;   // channel with the widest range
  int range = 0;  // that range
};

Box MakeBox(const std::vector<Weighted>& colours, std::size_t begin, std::size_t end) {
  Box box{begin, end, 0, 0, 0};
  std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
  for (std::size_t i = begin; i < end; ++i) {
    box.population += colours[i].count;
    for (int c = 0; c < 3; ++c) {
      lo[c] = std::min(lo[c], colours[i].rgb[c]);
      hi[c] = std::max(hi[c], colours[i].rgb[c]);
    }
  }
  for (int c = 0; c < 3; ++c) {
    if (hi[c] - lo[c] > box.range) {
      box.range = hi[c] - lo[c];
      box.axis = c;
    }
  }
  return box;
}

// Splits at the weighted median along the widest channel; both halves keep
// at least one colour.
std::pair<Box, Box> SplitBox(std::vector<Weighted>& colours, const Box& box) {
  const auto first = colours.begin() + static_cast<std::ptrdiff_t>(box.begin);
  const auto last = colours.begin() + static_cast<std::ptrdiff_t>(box.end);
  std::sort(first, last, [axis = box.axis](const Weighted& a, const Weighted& b) { return a.rgb[axis] < b.rgb[axis]; });
  std::uint64_t seen = 0;
  std::size_t cut = box.begin + 1;
  for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
    seen += colours[i].count;
    cut = i + 1;
    if (2 * seen >= box.population) break;
  }
  return {MakeBox(colours, box.begin, cut), MakeBox(colours, cut, box.end)};
}

raster::Colour MeanColour(const std::vector<Weighted>& colours, const Box& box) {
  std::array<std::uint64_t, 3> sum{};
  for (std::size_t i = box.begin; i < box.end; ++i) {
    for (int c = 0; c < 3; ++c) sum[c] += static_cast<std::uint64_t>(colours[i].rgb[c]) * colours[i].count;
  }
  const std::uint64_t n = std::max<std::uint64_t>(box.population, 1);
  return raster::Rgb(static_cast<int>((sum[0] + n / 2) / n), static_cast<int>((sum[1] + n / 2) / n),
                     static_cast<int>((sum[2] + n / 2) / n));
}

std::size_t Nearest(std::span<const raster::Colour> table, int r, int g, int b) {
  std::size_t best = 0;
  int bestDistance = -1;
  for (std::size_t k = 0; k < table.size(); ++k) {
    const int dr = raster::Red(table[k]) - r, dg = raster::Green(table[k]) - g, db = raster::Blue(table[k]) - b;
    const int d = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || d < bestDistance) {
      bestDistance = d;
      best = k;
    }
  }
  return best;
}

}  // namespace

std::vector<raster::Colour> MedianCutTable(std::span<const raster::Colour> colours, std::size_t entries) {
  if (colours.empty() || entries == 0) return {};
  std::unordered_map<raster::Colour, std::uint64_t> counts;
  for (const raster::Colour c : colours) ++counts[c];
  std::vector<Weighted> weighted;
  weighted.reserve(counts.size());
  for (const auto& [c, n] : counts) weighted.push_back({{raster::Red(c), raster::Green(c), raster::Blue(c)}, n});
  // The map's order is not fixed; sorting makes the table depend only on the colours.
  std::sort(weighted.begin(), weighted.end(), [](const Weighted& a, const Weighted& b) { return a.rgb < b.rgb; });
  std::vector<Box> boxes{MakeBox(weighted, 0, weighted.size())};
  while (boxes.size() < entries) {
    // The box whose split helps most: many pixels over a wide range.
    auto pick = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
      return static_cast<double>(a.population) * a.range < static_cast<double>(b.population) * b.range;
    });
    if (pick->range == 0) break;
    const auto [low, high] = SplitBox(weighted, *pick);
    *pick = low;
    boxes.push_back(high);
  }
  std::vector<raster::Colour> table;
  for (const Box& box : boxes) table.push_back(MeanColour(weighted, box));
  std::sort(table.begin(), table.end());
  table.erase(std::unique(table.begin(), table.end()), table.end());
  return table;
}

std::vector<std::uint8_t> MapToTable(std::span<const raster::Colour> pixels, int width, int height,
                                     std::span<const raster::Colour> table, std::span<const std::uint8_t> skip,
                                     std::uint8_t skipIndex, bool dither) {
  const std::size_t n = static_cast<std::size_t>(std::max(width, 0)) * static_cast<std::size_t>(std::max(height, 0));
  std::vector<std::uint8_t> out(n, skipIndex);
  if (table.empty() || pixels.size() < n || skip.size() < n) return out;
  // Error carried to the pixels of this row and the next, per channel.
  std::vector<std::array<int, 3>> here(static_cast<std::size_t>(width) + 2), below(here.size());
  std::unordered_map<raster::Colour, std::size_t> cache;
  for (int y = 0; y < height; ++y) {
    const bool leftToRight = !dither || y % 2 == 0;
    std::fill(below.begin(), below.end(), std::array<int, 3>{});
    for (int i = 0; i < width; ++i) {
      const int x = leftToRight ? i : width - 1 - i;
      const std::size_t p = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
      if (skip[p] != 0) continue;
      const raster::Colour c = pixels[p];
      const auto& e = here[static_cast<std::size_t>(x) + 1];
      const std::array<int, 3> want{std::clamp(raster::Red(c) + e[0] / 16, 0, 255),
                                    std::clamp(raster::Green(c) + e[1] / 16, 0, 255),
                                    std::clamp(raster::Blue(c) + e[2] / 16, 0, 255)};
      std::size_t k = 0;
      if (dither) {
        k = Nearest(table, want[0], want[1], want[2]);
      } else if (const auto found = cache.find(c); found != cache.end()) {
        k = found->second;
      } else {
        k = cache[c] = Nearest(table, want[0], want[1], want[2]);
      }
      out[p] = static_cast<std::uint8_t>(k);
      if (!dither) continue;
      const std::array<int, 3> got{raster::Red(table[k]), raster::Green(table[k]), raster::Blue(table[k])};
      const int ahead = leftToRight ? 1 : -1;
      const auto at = [&](int dx) { return static_cast<std::size_t>(x + dx + 1); };
      for (int ch = 0; ch < 3; ++ch) {
        const int err = want[ch] - got[ch];
        here[at(ahead)][ch] += err * 7;
        below[at(-ahead)][ch] += err * 3;
        below[at(0)][ch] += err * 5;
        below[at(ahead)][ch] += err;
      }
    }
    std::swap(here, below);
  }
  return out;
}

}  // namespace pixmint::document
