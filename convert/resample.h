#pragma once

#include <vector>

#include "document/png_codec.h"

namespace pixmint::convert {

// Pictures here are 8-bit RGBA with straight alpha, rows top-down
// (document::Image32 in ChannelOrder::kRgba).
using Rgba = document::Image32;

// A picture held premultiplied in floating point, ready to be resized to
// many sizes. Resizing is separable Lanczos-3 (a windowed sinc, widened by
// the reduction factor so that every source pixel counts), weights
// renormalised at the borders, colours weighted by alpha so that transparent
// pixels lend no colour to the edges. The same size gives the picture back
// unchanged.
class Resampler {
 public:
  explicit Resampler(const Rgba& source);

  [[nodiscard]] int Width() const { return width_; }
  [[nodiscard]] int Height() const { return height_; }
  [[nodiscard]] Rgba Resize(int width, int height) const;
  [[nodiscard]] const Rgba& Source() const { return source_; }

 private:
  Rgba source_;
  int width_;
  int height_;
  std::vector<float> premultiplied_;  // 4 floats a pixel, 0..1
};

// The picture fitted into a square of side pixels: the longer side fills it,
// the aspect ratio is kept and the picture is centred on transparency. A
// square picture of that side comes back unchanged.
[[nodiscard]] Rgba FitSquare(const Resampler& source, int side);

// Where the picture lands inside FitSquare's square: offset and size.
struct Placement {
  int x = 0, y = 0, width = 0, height = 0;
};
[[nodiscard]] Placement FitPlacement(int width, int height, int side);

}  // namespace pixmint::convert
