#pragma once

#include <QImage>

#include "raster/picture.h"

namespace pixmint::app {

// A QImage that reads the picture's own rows (blue, green, red, alpha: Qt's
// ARGB32 on a little-endian machine) without copying; valid while the
// picture is neither resized nor destroyed.
[[nodiscard]] QImage WrapPicture(const raster::Picture& picture);

// Copies for the clipboard, alpha and all.
[[nodiscard]] QImage PictureToImage(const raster::Picture& picture);
[[nodiscard]] raster::Picture ImageToPicture(const QImage& image);

// raster::Colour (0x00BBGGRR) and QColor.
[[nodiscard]] QColor ToQColor(raster::Colour colour);
[[nodiscard]] raster::Colour FromQColor(const QColor& colour);

}  // namespace pixmint::app
