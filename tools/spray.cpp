#include "tools/spray.h"

#include <chrono>
#include <cmath>

namespace pixmint::tools {

using raster::Point;
using raster::Rect;

void SprayRandom::Reseed() {
  if (pinned_) return;
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  seed_ = static_cast<std::uint32_t>(ticks);
}

void SprayRandom::Pin(std::uint32_t seed) {
  seed_ = seed;
  pinned_ = true;
}

std::uint32_t SprayRandom::Random(std::uint32_t n) {
  seed_ = seed_ * 134775813u + 1u;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
}

Point SprayPoint(SprayRandom& random, int cx, int cy, int r) {
  const std::uint32_t q = random.Random(4) + 1;
  const int dist = static_cast<int>(random.Random(r > 0 ? static_cast<std::uint32_t>(r) : 0u)) + 1;
  const auto a = static_cast<long double>(random.Random(359) + 1);
  // The divisor is this constant on purpose, not 180 / pi.
  const long double theta = a / 57.325L;
  const int u = static_cast<int>(std::cos(theta) * dist);
  const int v = static_cast<int>(std::sin(theta) * dist);
  switch (q) {
    case 1:
      return {cx - u, cy - v};
    case 2:
      return {cx - u, cy + v};
    case 3:
      return {cx + u, cy - v};
    default:
      return {cx + u, cy + v};
  }
}

TKvSpray::TKvSpray(raster::Picture& imageCanvas, raster::Picture& screenCanvas, int width, int height, int zoom,
                   int opacity, SprayRandom& random)
    : TKvPaint(imageCanvas, screenCanvas, width, height, zoom, opacity), random_(random) {}

void TKvSpray::Configure(const ToolSettings& settings) {
  TakePaint(settings);
  PenWidth = settings.width;
}

void TKvSpray::OnMouseDown(ShiftState, int x, int y) {
  BeginDrawState();
  dots_ = raster::Picture(Width, Height);
  sequence_ = {};
  Start(x, y);
}

void TKvSpray::Start(int x, int y) {
  Stop = 0;
  centre_ = {x, y};
  random_.Reseed();
  Burst();
}

// A move ends the running sequence and starts one at the new point, over a
// snapshot that already holds the dots so far.
void TKvSpray::OnMouseMove(ShiftState shift, int x, int y) {
  if (dots_.Empty() && Width > 0 && Height > 0) return;  // no press
  Stop = -1;
  if (FullRepaint()) {
    OnMouseDown(shift, x, y);
    return;
  }
  // Only what the last sequence changed differs from a fresh snapshot; the
  // layer there already shows the picture, and so does the screen.
  BaseBitmap.CopyFrom(ImageCanvas, sequence_, {sequence_.left, sequence_.top});
  dots_.ClearRect(sequence_);
  sequence_ = {};
  Start(x, y);
}

void TKvSpray::OnMouseUp(ShiftState, int, int) {
  Stop = -1;
}

void TKvSpray::OnTimerTick() {
  if (Stop == 0) Burst();
}

void TKvSpray::Burst() {
  const int r = PenWidth / 2;
  Rect touched;
  for (int i = 0; i < r * 10; ++i) {
    const Point p = SprayPoint(random_, centre_.x, centre_.y, r);
    dots_.SetPixel(p.x, p.y, Color);
    touched = UnionRect(touched, SegmentBox(p, p, 0));
  }
  const Rect w = WorkRect(touched);
  sequence_ = UnionRect(sequence_, w);
  if (w.Empty()) return;
  LayerBitmap.CopyFrom(dots_, w, {w.left, w.top});
  MergePainted(w);
  ShowLayer(w);
  CommitLayer(w);
}

}  // namespace pixmint::tools
