#include "raster/canvas.h"

namespace pixmint::raster {

void Canvas::SetClip(Rect clip) {
  clip_ = clip;
}
void Canvas::ResetClip() {
  clip_ = Rect{-0x40000000, -0x40000000, 0x40000000, 0x40000000};
}
Rect Canvas::Clip() const {
  return clip_;
}
void Canvas::LineTo(int x, int y) {
  position_ = {x, y};
}
void Canvas::StrokePolyline(std::span<const Point>) {}
void Canvas::StrokeSegments(std::span<const std::pair<Point, Point>>) {}
void Canvas::Rectangle(int, int, int, int) {}
void Canvas::RoundRect(int, int, int, int, int, int) {}
void Canvas::Ellipse(int, int, int, int) {}
void Canvas::Polygon(std::span<const Point>) {}
void Canvas::PolyBezier(std::span<const Point>) {}
void Canvas::FillRect(Rect r, Colour c) {
  target_->FillRect(r, c);
}
Colour Canvas::Pixel(int x, int y) const {
  return target_->Pixel(x, y);
}
void Canvas::SetPixel(int x, int y, Colour c) {
  target_->SetPixel(x, y, c);
}
void AndBlit(Picture&, Rect, const Picture&, Point) {}
void XorBlit(Picture&, Rect, const Picture&, Point) {}

}  // namespace pixmint::raster
