#pragma once

#include <cstdint>

#include "document/image_surface.h"
#include "raster/colour.h"

namespace pixmint::document {

// What one pixel of an icon or cursor image shows, by the rule Windows draws
// with: in a 32-bit image with any non-zero alpha byte the alpha channel
// decides and the mask is ignored; otherwise the mask decides: mask 0 shows
// the colour, mask 1 shows the screen XORed with the colour, which is plain
// transparency for black and an inverted screen for white.
enum class PixelKind {
  kColour,       // the colour, at alpha (255 unless the alpha channel decides)
  kTransparent,  // the screen unchanged
  kInverting,    // the screen inverted (mask 1 over white)
  kXorColour,    // the screen XORed with another colour (mask 1 over it)
};

struct PixelLook {
  PixelKind kind = PixelKind::kTransparent;
  raster::Colour colour = 0;  // 0x00BBGGRR
  std::uint8_t alpha = 0;     // kColour only
};

// The rule for one image, decided once (the alpha test reads every pixel).
class PixelRule {
 public:
  PixelRule(const ImageSurface& colour, const MaskSurface& mask);

  [[nodiscard]] bool AlphaDecides() const { return alphaDecides_; }
  [[nodiscard]] PixelLook At(int x, int y) const;

 private:
  const ImageSurface& colour_;
  const MaskSurface& mask_;
  bool alphaDecides_;
};

}  // namespace pixmint::document
