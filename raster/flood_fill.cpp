#include "raster/flood_fill.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace pixmint::raster {

namespace {

struct Seed {
  int x;
  int y;
};

class ScanlineFill {
 public:
  ScanlineFill(const Picture& picture, Picture& cover, Transparency holds, const std::uint8_t* seed)
      : picture_(picture), cover_(cover), holds_(holds), clear_(IsClear(seed, holds)) {
    std::memcpy(target_, seed, kPixelBytes);
  }

  void Run(int x, int y) {
    stack_.push_back({x, y});
    while (!stack_.empty()) {
      const Seed seed = stack_.back();
      stack_.pop_back();
      if (!Matches(seed.x, seed.y)) continue;
      int left = seed.x;
      while (left > 0 && Matches(left - 1, seed.y)) --left;
      int right = seed.x;
      while (right + 1 < picture_.Width() && Matches(right + 1, seed.y)) ++right;
      for (int i = left; i <= right; ++i) cover_.At(i, seed.y)[3] = kOpaque;
      if (seed.y > 0) PushRuns(left, right, seed.y - 1);
      if (seed.y + 1 < picture_.Height()) PushRuns(left, right, seed.y + 1);
    }
  }

 private:
  // Not yet covered, and looking like the seed.
  bool Matches(int x, int y) const {
    if (cover_.At(x, y)[3] != 0) return false;
    const std::uint8_t* p = picture_.At(x, y);
    if (clear_) return IsClear(p, holds_);
    return std::memcmp(p, target_, kPixelBytes) == 0;
  }

  // One seed per run of matching pixels of row y within [left, right]: the
  // stack holds at most a few entries per row, never one per pixel.
  void PushRuns(int left, int right, int y) {
    bool inRun = false;
    for (int x = left; x <= right; ++x) {
      const bool match = Matches(x, y);
      if (match && !inRun) stack_.push_back({x, y});
      inRun = match;
    }
  }

  const Picture& picture_;
  Picture& cover_;
  Transparency holds_;
  bool clear_;
  std::uint8_t target_[kPixelBytes];
  std::vector<Seed> stack_;
};

}  // namespace

Picture FloodCover(const Picture& work, int x, int y, Transparency holds) {
  Picture cover(work.Width(), work.Height());
  if (work.Contains(x, y)) ScanlineFill(work, cover, holds, work.At(x, y)).Run(x, y);
  return cover;
}

void FloodFill(Picture& work, int x, int y, Colour fill, Transparency holds) {
  const Picture cover = FloodCover(work, x, y, holds);
  for (int row = 0; row < work.Height(); ++row) {
    for (int column = 0; column < work.Width(); ++column) {
      if (cover.At(column, row)[3] != 0) work.SetPixel(column, row, fill);
    }
  }
}

}  // namespace pixmint::raster
