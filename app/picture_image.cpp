#include "app/picture_image.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

namespace pixmint::app {

QImage WrapPicture(const raster::Picture& picture) {
  if (picture.Empty()) return {};
  return QImage(picture.Row(0), picture.Width(), picture.Height(), picture.Stride(), QImage::Format_BGR888);
}

QImage PictureToImage(const raster::Picture& picture) {
  return WrapPicture(picture).copy();
}

raster::Picture ImageToPicture(const QImage& image) {
  if (image.isNull()) return {};
  // Transparent parts of a foreign picture read as white, as pasting a
  // picture with alpha onto paper would show them.
  QImage flat(image.size(), QImage::Format_BGR888);
  flat.fill(Qt::white);
  {
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
  }
  raster::Picture picture(flat.width(), flat.height());
  const auto rowBytes = static_cast<std::size_t>(flat.width()) * 3;
  for (int y = 0; y < flat.height(); ++y) std::memcpy(picture.Row(y), flat.constScanLine(y), rowBytes);
  return picture;
}

QColor ToQColor(raster::Colour colour) {
  return {raster::Red(colour), raster::Green(colour), raster::Blue(colour)};
}

raster::Colour FromQColor(const QColor& colour) {
  return raster::Rgb(static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                     static_cast<std::uint8_t>(colour.blue()));
}

}  // namespace pixmint::app
