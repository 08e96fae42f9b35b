#include "raster/flood_fill.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "raster/composite.h"

namespace pixmint::raster {

namespace {

struct Seed {
  int x;
  int y;
};

class ScanlineFill {
 public:
  ScanlineFill(Picture& picture, Colour target, Colour fill)
      : picture_(picture),
        target_{Blue(target), Green(target), Red(target)},
        fill_{Blue(fill), Green(fill), Red(fill)} {}

  void Run(int x, int y) {
    stack_.push_back({x, y});
    while (!stack_.empty()) {
      const Seed seed = stack_.back();
      stack_.pop_back();
      if (!Matches(seed.x, seed.y)) continue;
      std::uint8_t* row = picture_.Row(seed.y);
      int left = seed.x;
      while (left > 0 && Matches(row, left - 1)) --left;
      int right = seed.x;
      while (right + 1 < picture_.Width() && Matches(row, right + 1)) ++right;
      for (int i = left; i <= right; ++i) std::memcpy(row + i * 3, fill_, 3);
      if (seed.y > 0) PushRuns(left, right, seed.y - 1);
      if (seed.y + 1 < picture_.Height()) PushRuns(left, right, seed.y + 1);
    }
  }

 private:
  bool Matches(const std::uint8_t* row, int x) const { return std::memcmp(row + x * 3, target_, 3) == 0; }
  bool Matches(int x, int y) const { return Matches(picture_.Row(y), x); }

  // One seed per run of matching pixels of row y within [left, right]: the
  // stack holds at most a few entries per row, never one per pixel.
  void PushRuns(int left, int right, int y) {
    const std::uint8_t* row = picture_.Row(y);
    bool inRun = false;
    for (int x = left; x <= right; ++x) {
      const bool match = Matches(row, x);
      if (match && !inRun) stack_.push_back({x, y});
      inRun = match;
    }
  }

  Picture& picture_;
  std::uint8_t target_[3];
  std::uint8_t fill_[3];
  std::vector<Seed> stack_;
};

}  // namespace

void FloodFill(Picture& work, int x, int y, Colour fill) {
  if (!work.Contains(x, y)) return;
  const Colour target = work.Pixel(x, y);
  // Filling an area with its own colour changes nothing, and would never end
  // with a fill that recognises the area by its colour.
  if (SameRgb(target, fill)) return;
  ScanlineFill(work, target, fill).Run(x, y);
}

void FillArea(const Picture& before, Picture& work, Point seed, Colour fill, int opacity) {
  work = before;
  FloodFill(work, seed.x, seed.y, fill);
  BlendChanged(work, before, before.Width(), before.Height(), opacity);
}

}  // namespace pixmint::raster
