#pragma once

#include <cmath>
#include <cstdint>

#include "convert/resample.h"

namespace pixmint::test {

inline convert::Rgba Blank(int w, int h) {
  return {w, h, std::vector<std::uint8_t>(static_cast<std::size_t>(w) * h * 4, 0)};
}

inline std::uint8_t* At(convert::Rgba& p, int x, int y) {
  return &p.pixels[(static_cast<std::size_t>(y) * p.width + x) * 4];
}
inline const std::uint8_t* At(const convert::Rgba& p, int x, int y) {
  return &p.pixels[(static_cast<std::size_t>(y) * p.width + x) * 4];
}

// A hard-edged disk of one colour over full transparency: the case where a
// resize that ignores alpha grows dark edges.
inline convert::Rgba HardDisk(int side, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  convert::Rgba p = Blank(side, side);
  const double c = side / 2.0, radius = side * 0.37;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      if (std::hypot(x + 0.5 - c, y + 0.5 - c) > radius) continue;
      std::uint8_t* q = At(p, x, y);
      q[0] = r, q[1] = g, q[2] = b, q[3] = 255;
    }
  }
  return p;
}

// Smooth colour ramps with a soft shadow and a sharp bar: what an
// application icon's master tends to hold.
inline convert::Rgba IconLike(int side) {
  convert::Rgba p = Blank(side, side);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      std::uint8_t* q = At(p, x, y);
      const double u = static_cast<double>(x) / side, v = static_cast<double>(y) / side;
      q[0] = static_cast<std::uint8_t>(40 + 200 * u);
      q[1] = static_cast<std::uint8_t>(60 + 150 * v);
      q[2] = static_cast<std::uint8_t>(128 + 100 * std::sin(6 * u + 3 * v));
      const double edge = std::min({u, v, 1 - u, 1 - v});
      q[3] = static_cast<std::uint8_t>(std::clamp(edge * 20 * 255, 0.0, 255.0));
      if (std::abs(u - 0.6) < 0.05) q[0] = q[1] = q[2] = 250;
    }
  }
  return p;
}

}  // namespace pixmint::test
