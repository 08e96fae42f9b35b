// Speed of the raster routines on the largest pictures a stroke step sees.

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "raster/canvas.h"
#include "raster/composite.h"
#include "raster/flood_fill.h"
#include "raster/stretch.h"
#include "raster/transform.h"

namespace {

using namespace pixmint::raster;

Picture Noise(int w, int h, unsigned seed) {
  std::mt19937 rng(seed);
  Picture p(w, h);
  for (auto& byte : p.Bytes()) byte = static_cast<std::uint8_t>(rng());
  return p;
}

void BM_MergeLayer256(benchmark::State& state) {
  const Picture base = Noise(256, 256, 1);
  Picture paint(256, 256);
  paint.FillRect({0, 0, 128, 256}, Rgb(10, 20, 30));
  Picture layer;
  for (auto _ : state) {
    layer = paint;
    MergeLayer(layer, base, paint.Bounds(), 50);
    benchmark::DoNotOptimize(layer.Bytes().data());
  }
}
BENCHMARK(BM_MergeLayer256);

void BM_StretchCopy128By16(benchmark::State& state) {
  const Picture src = Noise(128, 128, 2);
  Picture view(2048, 2048);
  for (auto _ : state) {
    StretchCopy(view, view.Bounds(), src, src.Bounds());
    benchmark::DoNotOptimize(view.Bytes().data());
  }
}
BENCHMARK(BM_StretchCopy128By16);

// A 256 x 256 maze of one-pixel corridors (walls on even rows and columns,
// carved by a randomised depth-first walk), so the fill winds through it all.
Picture Maze() {
  constexpr int kCells = 127;
  Picture p(256, 256, Rgb(0, 0, 0));
  std::mt19937 rng(3);
  std::vector<bool> seen(kCells * kCells, false);
  std::vector<std::pair<int, int>> stack = {{0, 0}};
  seen[0] = true;
  p.SetPixel(1, 1, Rgb(255, 255, 255));
  while (!stack.empty()) {
    const auto [cx, cy] = stack.back();
    std::vector<std::pair<int, int>> next;
    for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
      const int nx = cx + dx, ny = cy + dy;
      if (nx >= 0 && ny >= 0 && nx < kCells && ny < kCells && !seen[ny * kCells + nx]) next.push_back({nx, ny});
    }
    if (next.empty()) {
      stack.pop_back();
      continue;
    }
    const auto [nx, ny] = next[rng() % next.size()];
    seen[ny * kCells + nx] = true;
    p.SetPixel(cx + nx + 1, cy + ny + 1, Rgb(255, 255, 255));  // the wall between
    p.SetPixel(2 * nx + 1, 2 * ny + 1, Rgb(255, 255, 255));
    stack.push_back({nx, ny});
  }
  return p;
}

void BM_FloodFillMaze256(benchmark::State& state) {
  Picture maze = Maze();
  Colour colours[2] = {Rgb(255, 0, 0), Rgb(255, 255, 255)};
  int turn = 0;
  for (auto _ : state) {  // alternate colours, so every round fills the whole maze
    FloodFill(maze, 1, 1, colours[turn]);
    turn ^= 1;
  }
}
BENCHMARK(BM_FloodFillMaze256);

void BM_RotateBy45On256(benchmark::State& state) {
  const Picture original = Noise(256, 256, 4);
  for (auto _ : state) {
    Picture p = original;
    RotateBy(p, 45);
    benchmark::DoNotOptimize(p.Bytes().data());
  }
}
BENCHMARK(BM_RotateBy45On256);

void BM_RoundStroke1000PointsWidth9(benchmark::State& state) {
  std::vector<Point> points;
  for (int i = 0; i < 1000; ++i) {  // a winding freehand path, a pixel or two between points
    const double t = i / 1000.0 * 6.283;
    points.push_back({static_cast<int>(128 + 100 * std::sin(3 * t)), static_cast<int>(128 + 100 * std::cos(2 * t))});
  }
  Picture p(256, 256);
  Canvas canvas(p);
  canvas.pen() = Pen{9, PenStyle::kSolid, Rgb(1, 2, 3), PenMode::kCopy};
  for (auto _ : state) {
    canvas.StrokePolyline(points);
    benchmark::DoNotOptimize(p.Bytes().data());
  }
}
BENCHMARK(BM_RoundStroke1000PointsWidth9);

}  // namespace
