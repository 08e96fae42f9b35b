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

bool SameBytes(const std::uint8_t* p, std::uint8_t b, std::uint8_t g, std::uint8_t r) {
  return p[0] == b && p[1] == g && p[2] == r;
}

}  // namespace

void MergeLayer(Picture& layer, const Picture& base, int w, int h, int opacity) {
  MergeLayer(layer, base, Rect{0, 0, w, h}, opacity);
}

void MergeLayer(Picture& layer, const Picture& base, Rect area, int opacity) {
  area = ClipArea(area, layer, base);
  if (area.Empty()) return;
  const Colour white = Markers().white;
  const std::uint8_t wb = Blue(white), wg = Green(white), wr = Red(white);
  const bool blend = Blends(opacity);
  for (int y = area.top; y < area.bottom; ++y) {
    std::uint8_t* l = layer.Row(y) + area.left * 3;
    const std::uint8_t* b = base.Row(y) + area.left * 3;
    for (int x = area.left; x < area.right; ++x, l += 3, b += 3) {
      if (SameBytes(l, wb, wg, wr)) {
        l[0] = b[0];
        l[1] = b[1];
        l[2] = b[2];
      } else if (blend) {
        for (int i = 0; i < 3; ++i) l[i] = BlendByte(l[i], b[i], opacity);
      }
    }
  }
}

void BlendChanged(Picture& result, const Picture& earlier, int w, int h, int opacity) {
  BlendChanged(result, earlier, Rect{0, 0, w, h}, opacity);
}

void BlendChanged(Picture& result, const Picture& earlier, Rect area, int opacity) {
  if (!Blends(opacity)) return;
  area = ClipArea(area, result, earlier);
  if (area.Empty()) return;
  for (int y = area.top; y < area.bottom; ++y) {
    std::uint8_t* r = result.Row(y) + area.left * 3;
    const std::uint8_t* e = earlier.Row(y) + area.left * 3;
    for (int x = area.left; x < area.right; ++x, r += 3, e += 3) {
      if (SameBytes(r, e[0], e[1], e[2])) continue;
      for (int i = 0; i < 3; ++i) r[i] = BlendByte(r[i], e[i], opacity);
    }
  }
}

void PasteLayer(const Picture& src, Picture& dst, int w, int h, int opacity) {
  PasteLayer(src, dst, Rect{0, 0, w, h}, opacity);
}

void PasteLayer(const Picture& src, Picture& dst, Rect area, int opacity) {
  area = ClipArea(area, src, dst);
  if (area.Empty()) return;
  const Colour trans = Markers().trans;
  const std::uint8_t tb = Blue(trans), tg = Green(trans), tr = Red(trans);
  const bool blend = Blends(opacity);
  for (int y = area.top; y < area.bottom; ++y) {
    const std::uint8_t* s = src.Row(y) + area.left * 3;
    std::uint8_t* d = dst.Row(y) + area.left * 3;
    for (int x = area.left; x < area.right; ++x, s += 3, d += 3) {
      if (SameBytes(s, tb, tg, tr)) continue;
      for (int i = 0; i < 3; ++i) d[i] = blend ? BlendByte(s[i], d[i], opacity) : s[i];
    }
  }
}

}  // namespace pixmint::raster
