#include "app/picture_image.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace pixmint::app {

QImage WrapPicture(const raster::Picture& picture) {
  if (picture.Empty()) return {};
  static_assert(std::endian::native == std::endian::little, "ARGB32 is blue, green, red, alpha in memory");
  return QImage(picture.Row(0), picture.Width(), picture.Height(), picture.Stride(), QImage::Format_ARGB32);
}

QImage PictureToImage(const raster::Picture& picture) {
  return WrapPicture(picture).copy();
}

raster::Picture ImageToPicture(const QImage& image) {
  if (image.isNull()) return {};
  // A foreign picture keeps its alpha, unpremultiplied.
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  raster::Picture picture(argb.width(), argb.height());
  const auto rowBytes = static_cast<std::size_t>(picture.Stride());
  for (int y = 0; y < argb.height(); ++y) std::memcpy(picture.Row(y), argb.constScanLine(y), rowBytes);
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
