#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "document/kv_icon.h"

namespace pixmint::cli {

// Image i as 8-bit RGBA, rows top-down, the way the image shows over a
// background: transparent and screen-inverting pixels are (0, 0, 0, 0); a
// 32-bit image whose alpha bytes are not all 0 shows its own alpha, otherwise
// every opaque pixel has alpha 255. With inverting given, the pixels that
// invert the screen in a cursor image of 1 to 24 bits show in that opaque
// colour instead, as the editor marks them. Empty when there is no image i.
[[nodiscard]] std::vector<std::uint8_t> ImageRgba(const document::TKvIcon& icon, std::uint32_t i,
                                                  std::optional<raster::Colour> inverting = std::nullopt);

}  // namespace pixmint::cli
