#include "app/icon_drawing.h"

#include <algorithm>

#include "app/picture_image.h"
#include "document/kv_icon.h"

namespace pixmint::app {

QImage IconOverBackground(const document::TKvIcon& icon, int i, QColor background, int maxWidth, int maxHeight) {
  if (i < 0 || static_cast<std::uint32_t>(i) >= icon.ImageCount()) return {};
  const document::IconDrawing* drawing = icon.IconHandle(static_cast<std::uint32_t>(i));
  if (drawing == nullptr) return {};
  // The top-left part that fits, drawn by the document's own rule for what
  // each pixel shows (alpha, mask, inverting pixels).
  raster::Picture picture(
      std::min(maxWidth, drawing->Width()), std::min(maxHeight, drawing->Height()),
      raster::Rgb(static_cast<std::uint8_t>(background.red()), static_cast<std::uint8_t>(background.green()),
                  static_cast<std::uint8_t>(background.blue())));
  drawing->Draw(picture, raster::Point{0, 0}, true);
  return PictureToImage(picture);
}

}  // namespace pixmint::app
