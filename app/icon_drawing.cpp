#include "app/icon_drawing.h"

#include "app/picture_image.h"
#include "document/kv_icon.h"

namespace pixmint::app {

QImage IconOverBackground(const document::TKvIcon& icon, int i, QColor background, int maxWidth, int maxHeight) {
  if (i < 0 || static_cast<std::uint32_t>(i) >= icon.ImageCount()) return {};
  const document::IconDrawing* drawing = icon.IconHandle(static_cast<std::uint32_t>(i));
  if (drawing == nullptr) return {};
  // Drawn by the document's own rule for what each pixel shows (alpha, mask,
  // inverting pixels); an image larger than the room is shown whole, shrunk
  // smoothly to fit.
  raster::Picture picture(
      drawing->Width(), drawing->Height(),
      raster::Rgb(static_cast<std::uint8_t>(background.red()), static_cast<std::uint8_t>(background.green()),
                  static_cast<std::uint8_t>(background.blue())));
  drawing->Draw(picture, raster::Point{0, 0}, true);
  const QImage image = PictureToImage(picture);
  if (image.width() <= maxWidth && image.height() <= maxHeight) return image;
  return image.scaled(maxWidth, maxHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace pixmint::app
