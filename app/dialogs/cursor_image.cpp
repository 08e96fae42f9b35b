#include "app/dialogs/cursor_image.h"

#include <cstdlib>

#include "document/kv_icon.h"
#include "document/pixel_look.h"

namespace pixmint::app {

int PickCursorImage(const document::TKvIcon& cursor, int preferredSize) {
  int best = -1;
  int bestDistance = 0;
  std::uint32_t bestDepth = 0;
  for (std::uint32_t i = 0; i < cursor.ImageCount(); ++i) {
    const document::ImageSurface* colour = cursor.XorBitmap(i);
    if (colour == nullptr) continue;
    const int distance = std::abs(colour->Width() - preferredSize) + std::abs(colour->Height() - preferredSize);
    const std::uint32_t depth = cursor.Colors(i);
    if (best < 0 || distance < bestDistance || (distance == bestDistance && depth > bestDepth)) {
      best = static_cast<int>(i);
      bestDistance = distance;
      bestDepth = depth;
    }
  }
  return best;
}

std::optional<CursorImage> CursorImageOf(const document::TKvIcon& cursor, int position) {
  if (position < 0) return std::nullopt;
  const auto i = static_cast<std::uint32_t>(position);
  const document::ImageSurface* colour = cursor.XorBitmap(i);
  const document::MaskSurface* mask = cursor.AndBitmap(i);
  if (colour == nullptr || mask == nullptr || colour->Width() <= 0 || colour->Height() <= 0) return std::nullopt;
  const document::PixelRule rule(*colour, *mask);
  QImage image(colour->Width(), colour->Height(), QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      // A Qt cursor cannot change the screen: such pixels show their colour.
      const document::PixelLook look = rule.At(x, y);
      const int a = look.kind == document::PixelKind::kColour        ? look.alpha
                    : look.kind == document::PixelKind::kTransparent ? 0
                                                                     : 255;
      line[x] = qRgba(raster::Red(look.colour), raster::Green(look.colour), raster::Blue(look.colour), a);
    }
  }
  return CursorImage{std::move(image), cursor.GetHotSpot(i)};
}

std::optional<CursorImage> ReadCursorFile(const std::filesystem::path& file) {
  document::TKvIcon cursor;
  if (!cursor.LoadFromFile(file.string())) return std::nullopt;
  return CursorImageOf(cursor, PickCursorImage(cursor));
}

}  // namespace pixmint::app
