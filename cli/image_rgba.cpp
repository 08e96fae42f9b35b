#include "cli/image_rgba.h"

#include "document/pixel_look.h"

namespace pixmint::cli {
namespace {

// 32-bit images straight from their rows (blue, green, red, alpha,
// bottom-up), by the same rule as PixelRule: this runs for every pixel of
// every extracted image.
void Rgba32(const document::ImageSurface& colour, const document::MaskSurface& mask, bool alphaDecides,
            std::uint8_t* out) {
  const auto bits = colour.Bits();
  for (int y = 0; y < colour.Height(); ++y) {
    const std::uint8_t* row = bits.data() + static_cast<std::size_t>(colour.Height() - 1 - y) * colour.Stride();
    for (int x = 0; x < colour.Width(); ++x, out += 4, row += 4) {
      const std::uint8_t alpha = alphaDecides ? row[3] : (mask.Get(x, y) ? 0 : 255);
      if (alpha == 0) continue;
      out[0] = row[2];
      out[1] = row[1];
      out[2] = row[0];
      out[3] = alpha;
    }
  }
}

// 24-bit images straight from their rows (blue, green, red, bottom-up) and
// mask: the mask decides, and of the masked pixels only white ones show,
// in the inverting colour when that is given.
void Rgba24(const document::ImageSurface& colour, const document::MaskSurface& mask,
            std::optional<raster::Colour> inverting, std::uint8_t* out) {
  const auto bits = colour.Bits();
  const auto maskBits = mask.Bits();
  for (int y = 0; y < colour.Height(); ++y) {
    const std::size_t stored = static_cast<std::size_t>(colour.Height() - 1 - y);
    const std::uint8_t* row = bits.data() + stored * colour.Stride();
    const std::uint8_t* maskRow = maskBits.data() + stored * mask.Stride();
    for (int x = 0; x < colour.Width(); ++x, out += 4, row += 3) {
      if (((maskRow[x >> 3] >> (7 - (x & 7))) & 1) == 0) {
        out[0] = row[2], out[1] = row[1], out[2] = row[0], out[3] = 255;
      } else if (inverting && row[0] == 255 && row[1] == 255 && row[2] == 255) {
        out[0] = raster::Red(*inverting), out[1] = raster::Green(*inverting), out[2] = raster::Blue(*inverting);
        out[3] = 255;
      }
    }
  }
}

}  // namespace

std::vector<std::uint8_t> ImageRgba(const document::TKvIcon& icon, std::uint32_t i,
                                    std::optional<raster::Colour> inverting) {
  const document::ImageSurface* colour = icon.XorBitmap(i);
  const document::MaskSurface* mask = icon.AndBitmap(i);
  if (colour == nullptr || mask == nullptr) return {};
  const document::PixelRule rule(*colour, *mask);
  std::vector<std::uint8_t> out(static_cast<std::size_t>(colour->Width()) * colour->Height() * 4, 0);
  if (colour->BitCount() == 32) {
    Rgba32(*colour, *mask, rule.AlphaDecides(), out.data());
    return out;
  }
  // Only a cursor's inverting pixels are marked, as in the editor.
  const bool markInverting = inverting && !icon.IsIcon();
  if (colour->BitCount() == 24) {
    Rgba24(*colour, *mask, markInverting ? inverting : std::nullopt, out.data());
    return out;
  }
  std::uint8_t* p = out.data();
  for (int y = 0; y < colour->Height(); ++y) {
    for (int x = 0; x < colour->Width(); ++x, p += 4) {
      // A picture cannot change the screen under it: such pixels stay clear
      // unless they are to be marked.
      document::PixelLook look = rule.At(x, y);
      if (markInverting && look.kind == document::PixelKind::kInverting) {
        look = {document::PixelKind::kColour, *inverting, 255};
      }
      if (look.kind != document::PixelKind::kColour) continue;
      p[0] = raster::Red(look.colour);
      p[1] = raster::Green(look.colour);
      p[2] = raster::Blue(look.colour);
      p[3] = look.alpha;
    }
  }
  return out;
}

}  // namespace pixmint::cli
