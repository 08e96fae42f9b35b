#include "raster/composite.h"

#include <algorithm>
#include <cstdint>

namespace pixmint::raster {

namespace {

// The area clipped to both pictures; empty when nothing is to be processed.
Rect ClipArea(Rect area, const Picture& a, const Picture& b) {
  area.left = std::max(area.left, 0);
  area.top = std::max(area.top, 0);
  area.right = std::min({area.right, a.Width(), b.Width()});
  area.bottom = std::min({area.bottom, a.Height(), b.Height()});
  return area;
}

void Copy(const std::uint8_t* s, std::uint8_t* d) {
  d[0] = s[0], d[1] = s[1], d[2] = s[2], d[3] = s[3];
}

void SetInverting(std::uint8_t* d) {
  d[0] = d[1] = d[2] = 255;
  d[3] = 0;
}

// Lowers d's alpha by the coverage s[3] at the weight; what is left with no
// alpha at all is plain transparency (never a hidden colour that could read
// as a mask's inverting pixel).
void Erase(const std::uint8_t* s, std::uint8_t* d, int weight, bool partial) {
  const std::uint32_t sa = std::uint32_t{s[3]} * static_cast<std::uint32_t>(weight);
  const std::uint32_t keep = partial ? (d[3] * (25500 - sa) + 12750) / 25500 : 0;
  if (keep == 0) {
    d[0] = d[1] = d[2] = d[3] = 0;
  } else {
    d[3] = static_cast<std::uint8_t>(keep);
  }
}

}  // namespace

void MergeLayer(Picture& layer, const Picture& base, Rect area, int opacity, PaintKind kind, Transparency holds) {
  area = ClipArea(area, layer, base);
  if (area.Empty()) return;
  const int weight = Weight(opacity);
  for (int y = area.top; y < area.bottom; ++y) {
    std::uint8_t* l = layer.At(area.left, y);
    const std::uint8_t* b = base.At(area.left, y);
    for (int x = area.left; x < area.right; ++x, l += kPixelBytes, b += kPixelBytes) {
      if (l[3] == 0) {
        Copy(b, l);
        continue;
      }
      std::uint8_t out[kPixelBytes] = {b[0], b[1], b[2], b[3]};
      if (kind == PaintKind::kTransparent) {
        Erase(l, out, weight, holds.partial);
      } else if (kind == PaintKind::kInverting && holds.inverting) {
        SetInverting(out);
      } else {
        Mix(l, out, weight);
      }
      Copy(out, l);
    }
  }
}

void MergeOver(Picture& layer, const Picture& cover, const Picture& base, Rect area, int opacity) {
  area = ClipArea(ClipArea(area, layer, base), cover, cover);
  if (area.Empty()) return;
  const int weight = Weight(opacity);
  for (int y = area.top; y < area.bottom; ++y) {
    std::uint8_t* l = layer.At(area.left, y);
    const std::uint8_t* c = cover.At(area.left, y);
    const std::uint8_t* b = base.At(area.left, y);
    for (int x = area.left; x < area.right; ++x, l += kPixelBytes, c += kPixelBytes, b += kPixelBytes) {
      if (c[3] == 0) {
        Copy(b, l);
        continue;
      }
      std::uint8_t out[kPixelBytes] = {b[0], b[1], b[2], b[3]};
      Mix(l, out, weight);
      Copy(out, l);
    }
  }
}

void PasteLayer(const Picture& src, Picture& dst, Rect area, int opacity, Transparency holds) {
  area = ClipArea(area, src, dst);
  if (area.Empty()) return;
  const int weight = Weight(opacity);
  for (int y = area.top; y < area.bottom; ++y) {
    const std::uint8_t* s = src.At(area.left, y);
    std::uint8_t* d = dst.At(area.left, y);
    for (int x = area.left; x < area.right; ++x, s += kPixelBytes, d += kPixelBytes) {
      if (IsInverting(s, holds)) {
        SetInverting(d);
      } else {
        Over(s, d, weight);
      }
    }
  }
}

Colour DisplayColour(const std::uint8_t* p, Transparency holds) {
  const MarkerColours& markers = Markers();
  if (p[3] == kOpaque) return Rgb(p[2], p[1], p[0]);
  if (IsInverting(p, holds)) return markers.invert;
  const Colour m = markers.trans;
  if (p[3] == 0) return m;
  const int a = p[3];
  auto mix = [a](int c, int back) { return static_cast<std::uint8_t>((c * a + back * (255 - a)) / 255); };
  return Rgb(mix(p[2], Red(m)), mix(p[1], Green(m)), mix(p[0], Blue(m)));
}

void ToDisplay(Picture& picture, Rect area, Transparency holds) {
  area = ClipArea(area, picture, picture);
  for (int y = area.top; y < area.bottom; ++y) {
    std::uint8_t* p = picture.At(area.left, y);
    for (int x = area.left; x < area.right; ++x, p += kPixelBytes) {
      if (p[3] == kOpaque) continue;
      const Colour c = DisplayColour(p, holds);
      p[0] = Blue(c), p[1] = Green(c), p[2] = Red(c), p[3] = kOpaque;
    }
  }
}

}  // namespace pixmint::raster
