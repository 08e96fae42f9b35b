// The cost of one pointer move of a tool, for strokes of different lengths.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "raster/picture.h"
#include "tools/freehand_tools.h"
#include "tools/selection_tools.h"
#include "tools/shape_tools.h"
#include "tools/spray.h"

namespace {

using namespace pixmint;
using raster::Picture;
using raster::Point;

enum Kind { kPencil1, kPencil4, kBrush0, kBrush1, kBrush2, kBrush3, kLine, kEllipse, kSpray, kMoveScale, kKinds };
const char* const kNames[] = {"pencil1", "pencil4", "brush0",  "brush1", "brush2",
                              "brush3",  "line",    "ellipse", "spray",  "movescale"};

tools::ToolSettings Pen(raster::Colour colour, int width, int rings = 0) {
  tools::ToolSettings settings;
  settings.paint = raster::ColourPaint(colour);
  settings.width = width;
  settings.rings = rings;
  return settings;
}

struct Setup {
  int size;
  int zoom;
};
const Setup kSetups[] = {{128, 16}, {256, 8}};

class Session {
 public:
  Session(Kind kind, Setup setup)
      : kind_(kind),
        size_(setup.size),
        work_(setup.size, setup.size, raster::Rgb(255, 255, 255)),
        screen_(setup.size * setup.zoom, setup.size * setup.zoom),
        floating_(40, 30, raster::Rgb(9, 80, 200)) {
    random_.Pin(99);
    const int w = setup.size, z = setup.zoom;
    const raster::Colour ink = raster::Rgb(200, 30, 60);
    switch (kind) {
      case kPencil1:
      case kPencil4:
        tool_ = std::make_unique<tools::TKvPencil>(work_, screen_, w, w, z, 50);
        tool_->Configure(Pen(ink, kind == kPencil1 ? 1 : 4));
        break;
      case kLine:
        tool_ = std::make_unique<tools::TKvLine>(work_, screen_, w, w, z, 50);
        tool_->Configure(Pen(ink, 2));
        break;
      case kEllipse:
        tool_ = std::make_unique<tools::TKvEllipse>(work_, screen_, w, w, z, 50);
        tool_->Configure(Pen(ink, 2));
        break;
      case kSpray:
        tool_ = std::make_unique<tools::TKvSpray>(work_, screen_, w, w, z, 50, random_);
        tool_->Configure(Pen(ink, 11));
        break;
      case kMoveScale: {
        auto mover = std::make_unique<tools::TKvMoveScale>(work_, screen_, w, w, z, 100);
        tools::ToolSettings settings = Pen(ink, 1);
        settings.target = &floating_;
        mover->Configure(settings);
        mover->Grab({20, 20}, raster::FrameHandle::kInside);
        tool_ = std::move(mover);
        break;
      }
      default: {
        const int option = kind - kBrush0;
        tool_ = std::make_unique<tools::TKvBrush>(work_, screen_, w, w, z, 50);
        tool_->Configure(Pen(ink, 2 * option + 3, option + 2));
      }
    }
  }

  // A random walk of short steps inside the picture.
  Point Next() {
    if (kind_ == kMoveScale) {  // back and forth so the selection stays put
      flip_ = !flip_;
      return {flip_ ? 41 : 40, 30};
    }
    if (kind_ == kLine || kind_ == kEllipse) {  // the same size of shape at every length
      angle_ += 0.05;
      return {size_ / 2 + static_cast<int>(size_ / 4 * std::cos(angle_)),
              size_ / 2 + static_cast<int>(size_ / 4 * std::sin(angle_))};
    }
    p_.x = std::clamp(p_.x + static_cast<int>(rng_() % 7) - 3, 0, size_ - 1);
    p_.y = std::clamp(p_.y + static_cast<int>(rng_() % 7) - 3, 0, size_ - 1);
    return p_;
  }

  void Press(int length) {
    p_ = kind_ == kMoveScale ? Point{40, 30} : Point{size_ / 2, size_ / 2};
    tool_->OnMouseDown(tools::ShiftState::kNone, p_.x, p_.y);
    for (int i = 1; i < length; ++i) Move();
  }
  void Move() {
    const Point p = Next();
    tool_->OnMouseMove(tools::ShiftState::kNone, p.x, p.y);
    benchmark::DoNotOptimize(tool_->TakeDirtyScreenRect());
  }
  void Tick() { tool_->OnTimerTick(); }

 private:
  Kind kind_;
  int size_;
  Picture work_;
  Picture screen_;
  Picture floating_;
  tools::SprayRandom random_;
  std::unique_ptr<tools::TKvPaint> tool_;
  std::mt19937 rng_{7};
  Point p_;
  bool flip_ = false;
  double angle_ = 0;
};

void BM_ToolMove(benchmark::State& state) {
  const auto kind = static_cast<Kind>(state.range(0));
  const Setup setup = kSetups[state.range(1)];
  const int length = static_cast<int>(state.range(2));
  Session session(kind, setup);
  session.Press(length);
  int moves = 0;
  for (auto _ : state) {
    if (kind == kSpray) {
      session.Tick();
    } else {
      session.Move();
    }
    // Short strokes start over now and then so that they stay short.
    if (++moves == 200 && length < 1000) {
      state.PauseTiming();
      session.Press(length);
      moves = 0;
      state.ResumeTiming();
    }
  }
  state.SetLabel(std::string(kNames[kind]) + " " + std::to_string(setup.size) + "x" + std::to_string(setup.size) +
                 " zoom " + std::to_string(setup.zoom) + ", " + std::to_string(length) + " points");
}

// A press and its first move: the one step that repaints the whole view.
void BM_StrokeStart(benchmark::State& state) {
  const auto kind = static_cast<Kind>(state.range(0));
  const Setup setup = kSetups[state.range(1)];
  Session session(kind, setup);
  for (auto _ : state) session.Press(2);
  state.SetLabel(std::string(kNames[kind]) + " " + std::to_string(setup.size) + "x" + std::to_string(setup.size) +
                 " zoom " + std::to_string(setup.zoom));
}

BENCHMARK(BM_StrokeStart)
    ->ArgsProduct({{kPencil1, kBrush3, kLine, kMoveScale}, {0, 1}})
    ->Unit(benchmark::kMicrosecond)
    ->ArgNames({"tool", "setup"});

void Arguments(benchmark::internal::Benchmark* b) {
  for (int kind = 0; kind < kKinds; ++kind) {
    for (int setup = 0; setup < 2; ++setup) {
      for (int length : {10, 1000, 10000}) b->Args({kind, setup, length});
    }
  }
}

BENCHMARK(BM_ToolMove)->Apply(Arguments)->Unit(benchmark::kMicrosecond)->ArgNames({"tool", "setup", "points"});

}  // namespace
