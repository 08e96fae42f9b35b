#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "document/kv_icon.h"
#include "raster/colour.h"

namespace pixmint::formats {

// One cursor image as 32-bit ARGB words (alpha in the high byte), rows
// top-down, colour premultiplied by alpha: the pixels of an Xcursor image.
struct ArgbImage {
  int width = 0;
  int height = 0;
  raster::Point hotSpot;
  std::vector<std::uint32_t> pixels;
  bool operator==(const ArgbImage&) const = default;
};

struct ArgbConversion {
  ArgbImage image;
  // Screen-inverting pixels that had to be drawn another way.
  std::size_t invertingPixels = 0;
};

// Image i of icon as it shows over a background: in a 32-bit image with
// alpha the alpha decides, elsewhere the mask. An ARGB cursor cannot invert
// the screen, so inverting pixels (mask set over white where the mask
// decides) become opaque black, and the transparent pixels around them
// white: the same picture over a white background, and still visible over
// a dark one. A hot spot outside the image (left by a change of size) is
// moved to the nearest edge. Nothing when there is no image i.
[[nodiscard]] std::optional<ArgbConversion> ToPremultipliedArgb(const document::TKvIcon& icon, std::uint32_t i);

// Appends image to icon as a 32-bit image with alpha (colour taken back from
// its premultiplied form, alpha 0 masked), with its hot spot held inside the
// image. False when the icon is full or the size is outside what an image
// may have.
[[nodiscard]] bool AddPremultipliedArgb(document::TKvIcon& icon, const ArgbImage& image);

// Rounded to the nearest value; Unpremultiply clamps colours above alpha.
[[nodiscard]] std::uint32_t Premultiply(std::uint32_t argb);
[[nodiscard]] std::uint32_t Unpremultiply(std::uint32_t argb);

}  // namespace pixmint::formats
