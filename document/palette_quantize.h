#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "raster/colour.h"

namespace pixmint::document {

// A table of at most `entries` colours for a picture made of `colours`
// (repeats count as weight): median cut over the exact colours, each box
// becoming the mean of what it holds. With no more distinct colours than
// entries, the table is exactly those colours. The table is sorted by value.
[[nodiscard]] std::vector<raster::Colour> MedianCutTable(std::span<const raster::Colour> colours, std::size_t entries);

// Table indices of width x height pixels (rows top-down). Pixels whose skip
// flag is set get skipIndex and take no part in the error diffusion. Without
// dither every pixel takes its nearest entry (squared RGB distance, first of
// equals); with dither, Floyd-Steinberg error diffusion in serpentine order.
[[nodiscard]] std::vector<std::uint8_t> MapToTable(std::span<const raster::Colour> pixels, int width, int height,
                                                   std::span<const raster::Colour> table,
                                                   std::span<const std::uint8_t> skip, std::uint8_t skipIndex,
                                                   bool dither);

}  // namespace pixmint::document
