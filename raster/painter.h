#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "raster/canvas.h"

namespace pixmint::raster {

// What a span of a primitive is painted with. The pen wins over the brush
// where both cover a pixel.
enum class Ink : std::uint8_t { kNone = 0, kBrush = 1, kPen = 2 };

// Writes the spans of one primitive into a picture with the pen's mix mode.
// Copy mode writes at once, an opaque pixel of the colour. XOR and NOT change
// the colour bytes only. XOR and NOT first collect a coverage mask over
// the primitive's bounds and apply it in Finish(), so each pixel is changed
// once however many spans cover it: drawing the same primitive twice restores
// the picture. Everything is clipped to `clip` (already within the picture).
class Painter {
 public:
  Painter(Picture& target, Rect clip, Rect bounds, PenMode mode, Colour pen, Colour brush);
  void Span(Ink ink, int y, int x0, int x1);
  void Pixel(Ink ink, int x, int y) { Span(ink, y, x, x + 1); }
  void Finish();
  // Where this painter may write: spans beyond it are cut off.
  [[nodiscard]] Rect Area() const { return area_; }

 private:
  void Apply(std::uint8_t* p, Ink ink) const;

  Picture& target_;
  Rect area_;  // clip and bounds together
  PenMode mode_;
  std::uint8_t pen_[kPixelBytes];
  std::uint8_t brush_[kPixelBytes];
  std::vector<std::uint8_t> mask_;  // one Ink per pixel of area_, XOR and NOT only
};

// The box of the points grown by margin on every side, kept within values
// that cannot overflow; empty without points.
[[nodiscard]] Rect PointBounds(std::span<const Point> points, int margin);

// Sinks for the rasterisers: spans painted with one ink.
struct PenSink {
  Painter* painter;
  void operator()(int y, int x0, int x1) const { painter->Span(Ink::kPen, y, x0, x1); }
};
struct BrushSink {
  Painter* painter;
  void operator()(int y, int x0, int x1) const { painter->Span(Ink::kBrush, y, x0, x1); }
};

}  // namespace pixmint::raster
