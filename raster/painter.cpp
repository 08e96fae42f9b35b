#include "raster/painter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace pixmint::raster {

namespace {

Rect Intersect(Rect a, Rect b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

}  // namespace

Painter::Painter(Picture& target, Rect clip, Rect bounds, PenMode mode, Colour pen, Colour brush)
    : target_(target),
      area_(Intersect(Intersect(clip, bounds), target.Bounds())),
      mode_(mode),
      pen_{Blue(pen), Green(pen), Red(pen), kOpaque},
      brush_{Blue(brush), Green(brush), Red(brush), kOpaque} {
  if (mode_ != PenMode::kCopy && !area_.Empty()) {
    mask_.assign(static_cast<std::size_t>(area_.Width()) * area_.Height(), 0);
  }
}

void Painter::Span(Ink ink, int y, int x0, int x1) {
  if (y < area_.top || y >= area_.bottom) return;
  x0 = std::max(x0, area_.left);
  x1 = std::min(x1, area_.right);
  if (x0 >= x1) return;
  if (mode_ == PenMode::kCopy) {
    std::uint8_t* p = target_.At(x0, y);
    for (int x = x0; x < x1; ++x, p += kPixelBytes) Apply(p, ink);
    return;
  }
  std::uint8_t* m = mask_.data() + static_cast<std::size_t>(y - area_.top) * area_.Width() + (x0 - area_.left);
  const auto value = static_cast<std::uint8_t>(ink);
  for (int x = x0; x < x1; ++x, ++m) *m = std::max(*m, value);
}

void Painter::Finish() {
  if (mask_.empty()) return;
  const std::uint8_t* m = mask_.data();
  for (int y = area_.top; y < area_.bottom; ++y) {
    std::uint8_t* p = target_.At(area_.left, y);
    for (int x = area_.left; x < area_.right; ++x, ++m, p += kPixelBytes) {
      if (*m != 0) Apply(p, static_cast<Ink>(*m));
    }
  }
  mask_.clear();
}

void Painter::Apply(std::uint8_t* p, Ink ink) const {
  const std::uint8_t* c = ink == Ink::kPen ? pen_ : brush_;
  switch (mode_) {
    case PenMode::kCopy:
      std::memcpy(p, c, kPixelBytes);
      break;
    case PenMode::kXor:
      for (int i = 0; i < 3; ++i) p[i] ^= c[i];
      break;
    case PenMode::kNot:
      for (int i = 0; i < 3; ++i) p[i] = static_cast<std::uint8_t>(~p[i]);
      break;
  }
}

Rect PointBounds(std::span<const Point> points, int margin) {
  if (points.empty()) return {};
  std::int64_t l = INT64_MAX, t = INT64_MAX, r = INT64_MIN, b = INT64_MIN;
  for (const Point p : points) {
    l = std::min<std::int64_t>(l, p.x);
    t = std::min<std::int64_t>(t, p.y);
    r = std::max<std::int64_t>(r, p.x);
    b = std::max<std::int64_t>(b, p.y);
  }
  const auto narrow = [](std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, -0x40000000, 0x40000000));
  };
  return {narrow(l - margin), narrow(t - margin), narrow(r + margin + 1), narrow(b + margin + 1)};
}

}  // namespace pixmint::raster
