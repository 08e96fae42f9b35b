#include "app/icon_drawing.h"

#include <algorithm>

#include "document/kv_icon.h"

namespace pixmint::app {

QImage IconOverBackground(const document::TKvIcon& icon, int i, QColor background, int maxWidth, int maxHeight) {
  if (i < 0 || static_cast<std::uint32_t>(i) >= icon.ImageCount()) return {};
  const auto index = static_cast<std::uint32_t>(i);
  const document::ImageSurface* colour = icon.XorBitmap(index);
  const document::MaskSurface* mask = icon.AndBitmap(index);
  if (colour == nullptr || mask == nullptr) return {};
  const int w = std::min(maxWidth, colour->Width());
  const int h = std::min(maxHeight, colour->Height());
  QImage image(w, h, QImage::Format_RGB32);
  const QRgb back = background.rgb();
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const raster::Colour c = colour->GetPixel(x, y);
      const QRgb xorColour = qRgb(raster::Red(c), raster::Green(c), raster::Blue(c));
      // A mask bit keeps the background under the colour's XOR; a clear bit
      // gives black, which XOR turns into the colour itself.
      const QRgb under = mask->Get(x, y) ? back : 0;
      row[x] = 0xFF000000u | ((under ^ xorColour) & 0x00FFFFFFu);
    }
  }
  return image;
}

}  // namespace pixmint::app
