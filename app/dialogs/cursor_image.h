#pragma once

#include <QImage>
#include <filesystem>
#include <optional>

#include "raster/colour.h"

namespace pixmint::document {
class TKvIcon;
}

namespace pixmint::app {

// One image of a cursor file as the pointer shows it, with its hot spot.
struct CursorImage {
  QImage image;  // ARGB32: transparent where the mask lets the screen through
  raster::Point hotSpot;
};

// The size the screen's pointer images have.
inline constexpr int kScreenCursorSize = 32;

// The position of the image nearest to the pointer size (then the deepest);
// -1 for an empty document.
[[nodiscard]] int PickCursorImage(const document::TKvIcon& cursor, int preferredSize = kScreenCursorSize);

// The image at `position` as a pointer picture. A pixel the mask makes
// transparent over a non-black colour inverts the screen, which a colour
// pointer cannot do; it shows in its own colour instead.
[[nodiscard]] std::optional<CursorImage> CursorImageOf(const document::TKvIcon& cursor, int position);

// Reads a cursor file with our own reader and takes the image that suits the
// screen. Nothing when the file does not read.
[[nodiscard]] std::optional<CursorImage> ReadCursorFile(const std::filesystem::path& file);

}  // namespace pixmint::app
