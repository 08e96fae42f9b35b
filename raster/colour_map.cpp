#include <cstdint>

#include "raster/canvas.h"

namespace pixmint::raster {

int NearestColourIndex(Colour c, std::span<const Colour> table) {
  int best = 0;
  std::int64_t bestDistance = INT64_MAX;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const std::int64_t dr = int{Red(c)} - int{Red(table[i])};
    const std::int64_t dg = int{Green(c)} - int{Green(table[i])};
    const std::int64_t db = int{Blue(c)} - int{Blue(table[i])};
    const std::int64_t distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {  // strictly smaller: the first of equals wins
      bestDistance = distance;
      best = static_cast<int>(i);
      if (distance == 0) break;
    }
  }
  return best;
}

}  // namespace pixmint::raster
