#pragma once

#include <random>

#include "raster/picture.h"

namespace pixmint::test {

// A picture of random pixels drawn from `colours` distinct colours (few
// colours make large connected areas; 0 means any colour).
[[nodiscard]] inline raster::Picture RandomPicture(std::mt19937& rng, int w, int h, int colours = 0) {
  raster::Picture p(w, h);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> pick(0, colours > 0 ? colours - 1 : 0);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (colours > 0) {
        const int k = pick(rng) * 40;
        p.SetPixel(x, y, raster::Rgb(static_cast<std::uint8_t>(k), 100, static_cast<std::uint8_t>(255 - k)));
      } else {
        p.SetPixel(x, y, raster::Rgb(byte(rng), byte(rng), byte(rng)));
      }
    }
  }
  return p;
}

}  // namespace pixmint::test
