#pragma once

#include <span>
#include <string>

#include "raster/colour.h"
#include "raster/picture.h"

namespace pixmint::editor {

// A foreground chosen from the dialog, the palette box or the dropper never
// equals a marker colour by accident: such a colour is darkened by 5 per
// channel (clamped at 0).
[[nodiscard]] raster::Colour NudgeForeColor(raster::Colour colour, const raster::MarkerColours& markers);

// The palette box: cells of 10 x 10, width / 10 per row, over the panel
// colour; nothing but the panel with fewer than 2 entries.
[[nodiscard]] raster::Picture PaintPaletteBox(std::span<const raster::Colour> palette, int width, int height,
                                              raster::Colour panel);

// The colour read-out of the status bar: "R12 G34 B56".
[[nodiscard]] std::string ColourText(raster::Colour c);

}  // namespace pixmint::editor
