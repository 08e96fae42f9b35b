#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "raster/colour.h"

namespace pixmint::convert {

// Making a cursor size that a cursor lacks from the sizes it has. Cursors
// are pixel art with a hot spot: a size is made so that pixels stay crisp
// where they can and the hot spot stays on the pixel the maker meant.
//
// Every side here is an image's nominal size, its larger side.

// How a size is made from a source image.
enum class CursorScaling {
  kExact,                   // the source has that size: taken as it is
  kReplicate,               // a whole multiple of the source: each pixel becomes a k x k block
  kDownscale,               // from a larger source: every pixel the mean of what it covers
  kReplicateThenDownscale,  // from a smaller source: replicated to the next multiple, then downscaled
};

struct CursorSourceChoice {
  std::size_t source = 0;  // index into the sides given
  CursorScaling scaling = CursorScaling::kExact;
};

// Which source makes side: one of exactly that side; else the largest
// whose whole multiple side is (pixel replication keeps a pixel cursor
// crisp); else the nearest larger (downscaling); else the nearest smaller.
// Nothing when sides is empty or holds no positive side. The first of
// equal sides wins.
[[nodiscard]] std::optional<CursorSourceChoice> ChooseCursorSource(std::span<const int> sides, int side);

// How side is made from a source of side from.
[[nodiscard]] CursorScaling ScalingBetween(int from, int side);

// An image of width x height whose nominal size is from, at nominal size
// side: both sides scaled by side / from, at least 1.
struct Size2 {
  int width = 0;
  int height = 0;
};
[[nodiscard]] Size2 ScaledCursorSize(int width, int height, int from, int side);

// The hot spot lands on the scaled pixel that covers the centre of the
// source's hot-spot pixel: floor((h + 0.5) * to / from) on each axis,
// clamped inside the scaled image.
[[nodiscard]] raster::Point ScaleCursorHotSpot(raster::Point hotSpot, int fromWidth, int fromHeight, int toWidth,
                                               int toHeight);

// Premultiplied 32-bit ARGB pixels (alpha in the high byte), rows top-down,
// resized to toWidth x toHeight by box resampling: each source pixel is a
// square of colour, each target pixel the mean over the area it covers.
// Whole enlargements are therefore exact replication, reductions are
// premultiplied area means, and any other enlargement equals replicating to
// the next whole multiple and reducing from there (done in one pass). An
// empty result when a size is not positive or the pixel count does not
// match.
[[nodiscard]] std::vector<std::uint32_t> ResamplePremultiplied(std::span<const std::uint32_t> pixels, int width,
                                                               int height, int toWidth, int toHeight);

// Straight (not premultiplied) 8-bit RGBA, 4 bytes a pixel: the same
// resampling, done premultiplied so that transparent pixels lend no colour.
[[nodiscard]] std::vector<std::uint8_t> ResampleRgba(std::span<const std::uint8_t> rgba, int width, int height,
                                                     int toWidth, int toHeight);

}  // namespace pixmint::convert
