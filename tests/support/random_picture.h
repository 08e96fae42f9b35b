#pragma once

#include <random>
#include <vector>

#include "raster/picture.h"

namespace pixmint::test {

// A picture of random opaque pixels drawn from `colours` random colours (few
// colours make large connected areas and tied counts; 0 means any colour).
[[nodiscard]] inline raster::Picture RandomPicture(std::mt19937& rng, int w, int h, int colours = 0) {
  std::vector<raster::Colour> palette(static_cast<std::size_t>(colours));
  for (auto& c : palette) c = rng() & 0xFFFFFF;
  std::uniform_int_distribution<std::size_t> pick(0, palette.empty() ? 0 : palette.size() - 1);
  raster::Picture p(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) p.SetPixel(x, y, palette.empty() ? rng() & 0xFFFFFF : palette[pick(rng)]);
  }
  return p;
}

}  // namespace pixmint::test
