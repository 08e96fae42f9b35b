#pragma once

#include <random>

#include "raster/picture.h"

namespace pixmint::test {

// A picture of random pixels drawn from `colours` distinct colours
// Rgb(40k, 100, 255 - 40k) (few colours make large connected areas; 0 means
// any colour).
[[nodiscard]] inline raster::Picture RandomPicture(std::mt19937& rng, int w, int h, int colours = 0) {
  raster::Picture p(w, h);
  std::uniform_int_distribution<int> byte(0, 255), pick(0, colours > 0 ? colours - 1 : 0);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int k = colours > 0 ? pick(rng) * 40 : 0;
      p.SetPixel(x, y, colours > 0 ? raster::Rgb(k, 100, 255 - k) : raster::Rgb(byte(rng), byte(rng), byte(rng)));
    }
  }
  return p;
}

}  // namespace pixmint::test
