// The fast path (recompute only what a move can change) must give the same
// pixels as repainting everything on every step, for every tool and option.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <type_traits>

#include "support/pixel_grid.h"
#include "tools/freehand_tools.h"
#include "tools/selection_tools.h"
#include "tools/shape_tools.h"
#include "tools/spray.h"
#include "tools/tool_rig.h"

namespace pixmint::tools::test {
namespace {

using raster::Colour;
using raster::Picture;
using raster::Point;
using raster::Rgb;

constexpr int kW = 29;
constexpr int kH = 23;
constexpr int kZoom = 3;

// A picture with white, transparent, partly transparent and coloured
// pixels, as tools meet them.
Picture Scene(std::mt19937& rng) {
  const std::pair<Colour, int> pixels[] = {{Rgb(255, 255, 255), 255},
                                           {Rgb(9, 9, 9), 0},
                                           {Rgb(200, 10, 10), 255},
                                           {Rgb(0, 0, 0), 90},
                                           {Rgb(17, 99, 250), 255}};
  Picture p(kW, kH);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      const auto& [colour, alpha] = pixels[(x / 4 + y / 3 + rng() % 2) % 5];
      p.SetPixel(x, y, colour, static_cast<std::uint8_t>(alpha));
    }
  }
  return p;
}

std::vector<Point> Walk(std::mt19937& rng, int length) {
  std::vector<Point> points{{static_cast<int>(rng() % kW), static_cast<int>(rng() % kH)}};
  for (int i = 1; i < length; ++i) {
    Point p = points.back();
    const int jump = rng() % 8 == 0 ? 9 : 3;
    auto step = [&](int v, int size) {
      return std::clamp(v + static_cast<int>(rng() % (2 * jump + 1)) - jump, -4, size + 3);
    };
    p.x = step(p.x, kW);
    p.y = step(p.y, kH);
    if (rng() % 6 == 0) p = points.back();  // pauses repeat a point
    points.push_back(p);
  }
  return points;
}

// One side of the comparison: its pictures, selection and spray generator.
struct Side {
  Rig rig{kW, kH, kZoom};
  Picture target;
  SprayRandom random;
};

using Factory = std::function<std::unique_ptr<TKvPaint>(Side&)>;

// A tool built with settings; the selection tools work on the side's target,
// and move/scale grabs it at grab.
template <typename T>
Factory Configured(int opacity, ToolSettings settings, Point origin = {},
                   raster::FrameHandle grab = raster::FrameHandle::kOutside) {
  return [=](Side& side) -> std::unique_ptr<TKvPaint> {
    std::unique_ptr<T> tool;
    if constexpr (std::is_same_v<T, TKvSpray>) {
      tool = side.rig.Make<T>(opacity, side.random);
    } else {
      tool = side.rig.Make<T>(opacity);
    }
    ToolSettings withTarget = settings;
    withTarget.target = &side.target;
    tool->Configure(withTarget);
    if constexpr (std::is_same_v<T, TKvMoveScale>) tool->Grab(origin, grab);
    return tool;
  };
}

// Runs the same events on a fast and a reference tool and compares the
// picture, the layer and the screen after every step.
class Twin {
 public:
  Twin(const Factory& make, unsigned seed, const Picture& target = Picture()) : rng_(seed) {
    const Picture scene = Scene(rng_);
    for (Side* side : {&fast_, &slow_}) {
      side->rig.work = scene;
      side->rig.screen.Fill(Rgb(1, 2, 3));
      side->target = target;
      side->random.Pin(seed);
    }
    window_ = fast_.rig.screen;
    fastTool_ = make(fast_);
    slowTool_ = make(slow_);
    slowTool_->SetFullRepaint(true);
  }
  std::mt19937& Rng() { return rng_; }
  template <typename Step>
  void Do(const Step& step, const char* what) {
    step(*fastTool_);
    step(*slowTool_);
    ASSERT_TRUE(pixmint::test::SamePicture(slow_.rig.work, fast_.rig.work)) << what << " (picture)";
    ASSERT_TRUE(pixmint::test::SamePicture(slowTool_->LayerBitmap, fastTool_->LayerBitmap)) << what << " (layer)";
    ASSERT_TRUE(pixmint::test::SamePicture(slow_.rig.screen, fast_.rig.screen)) << what << " (screen)";
    // The window copies only the reported area: it must still match.
    const raster::Rect dirty = fastTool_->TakeDirtyScreenRect();
    window_.CopyFrom(fast_.rig.screen, dirty, {dirty.left, dirty.top});
    ASSERT_TRUE(pixmint::test::SamePicture(fast_.rig.screen, window_)) << what << " (window)";
  }
  void StrokeBoth(const std::vector<Point>& points, ShiftState shift, bool ticks = false) {
    Do([&](TKvPaint& t) { t.OnMouseDown(shift, points[0].x, points[0].y); }, "press");
    for (std::size_t i = 1; i < points.size() && !::testing::Test::HasFatalFailure(); ++i) {
      for (int tick = 0; ticks && tick < 2; ++tick) Do([](TKvPaint& t) { t.OnTimerTick(); }, "tick");
      Do([&](TKvPaint& t) { t.OnMouseMove(shift, points[i].x, points[i].y); }, "move");
    }
    Do([&](TKvPaint& t) { t.OnMouseUp(shift, points.back().x, points.back().y); }, "release");
  }

 private:
  std::mt19937 rng_;
  Side fast_;
  Side slow_;
  Picture window_;
  std::unique_ptr<TKvPaint> fastTool_;
  std::unique_ptr<TKvPaint> slowTool_;
};

raster::Paint Ink(bool trans) {
  return trans ? raster::kTransparentPaint : raster::ColourPaint(Rgb(40, 160, 90));
}

// Every tool at every option, opacity and key, with the colour and the
// transparent colour, over random walks (fixed points where given).
TEST(FastPath, EveryToolMatchesTheFullRepaint) {
  struct Run {
    std::string name;
    Factory make;
    int presses = 1, length = 30;
    ShiftState shift = ShiftState::kNone;
    bool ticks = false;
    Picture target{};
    std::vector<Point> points{};
  };
  std::vector<Run> runs;
  for (int option = 0; option < 4; ++option) {
    for (int opacity : {1, 10, 20, 21, 50, 99, 100}) {
      for (bool trans : {false, true}) {
        const std::string at = std::to_string(option) + " at " + std::to_string(opacity) + (trans ? " trans" : "");
        runs.push_back({"pencil " + at, Configured<TKvPencil>(opacity, Pen(Ink(trans), option + 1))});
        runs.push_back({"brush " + at, Configured<TKvBrush>(opacity, Pen(Ink(trans), 2 * option + 3, option + 2))});
      }
    }
    // A stroke that starts with a dot.
    runs.push_back({"pencil dot",
                    Configured<TKvPencil>(50, Pen(Ink(false), option + 1)),
                    1,
                    0,
                    ShiftState::kNone,
                    false,
                    {},
                    {{5, 5}, {5, 5}, {5, 5}, {9, 7}, {9, 7}, {2, 12}}});
  }
  using Maker = Factory (*)(int, ToolSettings, Point, raster::FrameHandle);
  const std::pair<const char*, Maker> shapes[] = {{"line", Configured<TKvLine>},
                                                  {"rect", Configured<TKvRectangle>},
                                                  {"rndrect", Configured<TKvRoundRect>},
                                                  {"ellipse", Configured<TKvEllipse>}};
  const ShiftState shifts[] = {ShiftState::kNone, ShiftState::kShift, ShiftState::kAlt,
                               ShiftState::kShift | ShiftState::kAlt};
  for (const auto& [name, maker] : shapes) {
    for (int variant = 0; variant < 5; ++variant) {  // widths 1..4, then filled
      for (int opacity : {1, 50, 99, 100, 0}) {      // 0: the transparent colour at 50
        ToolSettings settings = Pen(Ink(opacity == 0), variant == 4 ? 1 : variant + 1);
        settings.filled = variant == 4;
        settings.cornerRadius = 5;
        runs.push_back({std::string(name) + " " + std::to_string(variant) + " at " + std::to_string(opacity),
                        maker(opacity == 0 ? 50 : opacity, settings, {}, raster::FrameHandle::kOutside), 1, 25,
                        shifts[variant % 4]});
      }
    }
  }
  for (int width = 1; width <= 4; ++width) {
    for (int opacity : {1, 50, 100}) {  // two curves, stage by stage
      runs.push_back({"curve " + std::to_string(width), Configured<TKvCurve>(opacity, Pen(Ink(false), width)), 6, 12});
    }
  }
  for (int option = 0; option < 3; ++option) {
    for (int opacity : {1, 50, 99, 100}) {
      runs.push_back({"spray " + std::to_string(option), Configured<TKvSpray>(opacity, Pen(Ink(false), 2 * option + 7)),
                      1, 12, ShiftState::kNone, true});
    }
  }
  const Picture floating = pixmint::test::FromAscii({"rgb.", "tt#y", "bbrr", "#.#t"});
  for (int handle = 0; handle <= 8; ++handle) {
    runs.push_back({"move/scale " + std::to_string(handle),
                    Configured<TKvMoveScale>(100, {}, {6, 5}, static_cast<raster::FrameHandle>(handle)), 1, 30,
                    ShiftState::kNone, false, floating});
  }
  runs.push_back({"marquee", Configured<TKvSelectBas>(100, {}), 1, 20});
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const Run& run = runs[i];
    SCOPED_TRACE(run.name);
    Twin twin(run.make, static_cast<unsigned>(i), run.target);
    for (int press = 0; press < run.presses; ++press) {
      twin.StrokeBoth(run.points.empty() ? Walk(twin.Rng(), run.length) : run.points, run.shift, run.ticks);
    }
  }
  Twin lasso(Configured<TKvSelectAdv>(100, {}), 6u);
  lasso.Do([](TKvPaint& t) { t.StartAnew(); }, "restart");
  for (Point p : std::vector<Point>{{2, 2}, {20, 3}, {15, 18}, {3, 2}})
    lasso.StrokeBoth({p, {p.x + 1, p.y}, p}, ShiftState::kNone);
}

// A screen buffer of the wrong size (the window not laid out yet), zoom 0 and
// far-away points must never reach outside any picture.
TEST(Robustness, OddScreensAndFarPointsStayInBounds) {
  const std::vector<Point> far{{3, 3}, {-5000, 5}, {5000, 4000}, {2, -7}, {3, 3}};
  const Colour c = Rgb(5, 5, 5);
  const Factory tools[] = {Configured<TKvPencil>(50, Pen(c, 7)),
                           Configured<TKvBrush>(50, Pen(c, 9, 5)),
                           Configured<TKvLine>(50, Pen(c, 7)),
                           Configured<TKvCurve>(50, Pen(c, 7)),
                           Configured<TKvEllipse>(50, Pen(c, 7)),
                           Configured<TKvSpray>(50, Pen(c, 7)),
                           Configured<TKvMoveScale>(50, Pen(c), {0, 10}, raster::FrameHandle::kTopLeft),
                           Configured<TKvSelectBas>(50, {}),
                           Configured<TKvSelectAdv>(50, {})};
  for (int zoom : {0, 1, 5}) {
    for (int screenSize : {0, 7}) {
      Side side;
      side.rig = Rig(12, 9, zoom);
      side.rig.screen = Picture(screenSize, screenSize);
      side.target = Picture(3, 3, Rgb(1, 1, 1));
      for (const Factory& make : tools) {
        auto tool = make(side);
        Stroke(*tool, far);
        tool->OnTimerTick();
      }
      // A brush of width 0 and no rings.
      Stroke(*Configured<TKvBrush>(50, Pen(c, 0, 0))(side), {{0, 0}});
    }
  }
}

}  // namespace
}  // namespace pixmint::tools::test
