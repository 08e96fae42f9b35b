#pragma once

#include <cstdint>

#include "tools/kv_paint.h"

namespace pixmint::tools {

// The spray's random numbers: a 32-bit linear congruential generator.
// Reseed() takes the clock unless a seed was pinned, in which case the
// sequence simply goes on (so a pinned spray is reproducible).
class SprayRandom {
 public:
  void Reseed();
  void Pin(std::uint32_t seed);
  void Unpin() { pinned_ = false; }
  // 0 .. n-1 (0 when n is 0).
  [[nodiscard]] std::uint32_t Random(std::uint32_t n);
  [[nodiscard]] std::uint32_t Seed() const { return seed_; }

 private:
  std::uint32_t seed_ = 0;
  bool pinned_ = false;
};

// A point at a random distance (1..r) and angle from (cx, cy).
[[nodiscard]] raster::Point SprayPoint(SprayRandom& random, int cx, int cy, int r);

// Scatters single pixels around the pointer, one burst at the press and one
// on every timer tick while the button is held; a move starts over at the new
// point over a new snapshot.
class TKvSpray : public TKvPaint {
 public:
  TKvSpray(raster::Picture& imageCanvas, raster::Picture& screenCanvas, int width, int height, int zoom, int opacity,
           SprayRandom& random);

  void OnMouseMove(ShiftState shift, int x, int y) override;
  void OnMouseDown(ShiftState shift, int x, int y) override;
  void OnMouseUp(ShiftState shift, int x, int y) override;
  void Configure(const ToolSettings& settings) override;
  void OnTimerTick() override;
  [[nodiscard]] bool TimerActive() const override { return Stop == 0; }

  int Stop = -1;

 private:
  void Start(int x, int y);
  void Burst();

  SprayRandom& random_;
  raster::Point centre_;
  // The dots of this press, on white: composited over the snapshot at every
  // burst so that each dot's opacity is applied once.
  raster::Picture dots_;
  // The image area the bursts since the last snapshot changed.
  raster::Rect sequence_;
};

}  // namespace pixmint::tools
