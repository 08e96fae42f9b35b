// The fast path (recompute only what a move can change) must give the same
// pixels as repainting everything on every step, for every tool and option.
#include <gtest/gtest.h>

#include <functional>
#include <random>

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

// A picture with white, transparent and coloured pixels, as tools meet them.
Picture Scene(std::mt19937& rng) {
  const Colour colours[] = {Rgb(255, 255, 255), raster::Markers().trans, Rgb(200, 10, 10), Rgb(0, 0, 0),
                            Rgb(17, 99, 250)};
  Picture p(kW, kH);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) p.SetPixel(x, y, colours[(x / 4 + y / 3 + rng() % 2) % 5]);
  }
  return p;
}

std::vector<Point> Walk(std::mt19937& rng, int length) {
  std::vector<Point> points{{static_cast<int>(rng() % kW), static_cast<int>(rng() % kH)}};
  for (int i = 1; i < length; ++i) {
    Point p = points.back();
    const int jump = rng() % 8 == 0 ? 9 : 3;
    p.x += static_cast<int>(rng() % (2 * jump + 1)) - jump;
    p.y += static_cast<int>(rng() % (2 * jump + 1)) - jump;
    p.x = std::clamp(p.x, -4, kW + 3);
    p.y = std::clamp(p.y, -4, kH + 3);
    if (rng() % 6 == 0) p = points.back();  // pauses repeat a point
    points.push_back(p);
  }
  return points;
}

using Factory = std::function<std::unique_ptr<TKvPaint>(Rig&)>;

// Runs the same events on a fast and a reference tool and compares the
// picture, the layer and the screen after every step.
class Twin {
 public:
  Twin(const Factory& make, unsigned seed) : rng_(seed) {
    const Picture scene = Scene(rng_);
    for (Rig* rig : {&fast_, &slow_}) {
      rig->work = scene;
      rig->screen.Fill(Rgb(1, 2, 3));
    }
    window_ = fast_.screen;
    fastTool_ = make(fast_);
    slowTool_ = make(slow_);
    slowTool_->SetFullRepaint(true);
  }
  std::mt19937& Rng() { return rng_; }
  template <typename Step>
  void Do(const Step& step, const char* what) {
    step(*fastTool_);
    step(*slowTool_);
    ASSERT_TRUE(pixmint::test::SamePicture(slow_.work, fast_.work)) << what << " (picture)";
    ASSERT_TRUE(pixmint::test::SamePicture(slowTool_->LayerBitmap, fastTool_->LayerBitmap)) << what << " (layer)";
    ASSERT_TRUE(pixmint::test::SamePicture(slow_.screen, fast_.screen)) << what << " (screen)";
    // The window copies only the reported area: it must still match.
    const raster::Rect dirty = fastTool_->TakeDirtyScreenRect();
    window_.CopyFrom(fast_.screen, dirty, {dirty.left, dirty.top});
    ASSERT_TRUE(pixmint::test::SamePicture(fast_.screen, window_)) << what << " (window)";
  }
  void StrokeBoth(const std::vector<Point>& points, ShiftState shift) {
    Do([&](TKvPaint& t) { t.OnMouseDown(shift, points[0].x, points[0].y); }, "press");
    for (std::size_t i = 1; i < points.size(); ++i) {
      Do([&](TKvPaint& t) { t.OnMouseMove(shift, points[i].x, points[i].y); }, "move");
      if (HasFailure()) return;
    }
    Do([&](TKvPaint& t) { t.OnMouseUp(shift, points.back().x, points.back().y); }, "release");
  }

 private:
  static bool HasFailure() { return ::testing::Test::HasFatalFailure(); }
  std::mt19937 rng_;
  Rig fast_{kW, kH, kZoom};
  Rig slow_{kW, kH, kZoom};
  Picture window_;
  std::unique_ptr<TKvPaint> fastTool_;
  std::unique_ptr<TKvPaint> slowTool_;
};

const int kOpacities[] = {1, 10, 20, 21, 50, 99, 100};

Colour Ink(bool trans) {
  return trans ? raster::Markers().trans : Rgb(40, 160, 90);
}

TEST(FastPath, FreehandToolsMatchTheFullRepaint) {
  for (int option = 0; option < 4; ++option) {
    for (int opacity : kOpacities) {
      for (bool trans : {false, true}) {
        SCOPED_TRACE(testing::Message() << "option " << option << " opacity " << opacity << " trans " << trans);
        const unsigned seed = static_cast<unsigned>(option * 100 + opacity + trans);
        Twin pencil(
            [&](Rig& r) {
              auto t = r.Make<TKvPencil>(opacity);
              t->SetValue(Ink(trans), 0, 0, option + 1, 65536, 0);
              return t;
            },
            seed);
        pencil.StrokeBoth(Walk(pencil.Rng(), 30), 0);
        Twin brush(
            [&](Rig& r) {
              auto t = r.Make<TKvBrush>(opacity);
              t->SetValue(Ink(trans), 0, 0, ((2 * option + 3) << 16) | (option + 2), 65536, 0);
              return t;
            },
            seed);
        brush.StrokeBoth(Walk(brush.Rng(), 30), 0);
      }
    }
  }
}

TEST(FastPath, PencilStartingWithADotMatches) {
  for (int width = 1; width <= 4; ++width) {
    Twin pencil(
        [&](Rig& r) {
          auto t = r.Make<TKvPencil>(50);
          t->SetValue(Ink(false), 0, 0, width, 65536, 0);
          return t;
        },
        7u + width);
    pencil.StrokeBoth({{5, 5}, {5, 5}, {5, 5}, {9, 7}, {9, 7}, {2, 12}}, 0);
  }
}

TEST(FastPath, ShapeToolsMatchTheFullRepaint) {
  using Maker = std::function<std::unique_ptr<TKvPaint>(Rig&, int)>;
  const std::vector<std::pair<const char*, Maker>> shapes{
      {"line", [](Rig& r, int op) { return std::unique_ptr<TKvPaint>(r.Make<TKvLine>(op)); }},
      {"rect", [](Rig& r, int op) { return std::unique_ptr<TKvPaint>(r.Make<TKvRectangle>(op)); }},
      {"rndrect", [](Rig& r, int op) { return std::unique_ptr<TKvPaint>(r.Make<TKvRoundRect>(op)); }},
      {"ellipse", [](Rig& r, int op) { return std::unique_ptr<TKvPaint>(r.Make<TKvEllipse>(op)); }},
  };
  const ShiftState shifts[] = {0, kShift, kAlt, kShift | kAlt};
  for (const auto& [name, maker] : shapes) {
    for (int variant = 0; variant < 5; ++variant) {  // widths 1..4, then filled
      for (int opacity : {1, 50, 99, 100, 0}) {      // 0: the transparent colour at 50
        SCOPED_TRACE(testing::Message() << name << " variant " << variant << " opacity " << opacity);
        const bool filled = variant == 4;
        Twin twin(
            [&](Rig& r) {
              auto t = maker(r, opacity == 0 ? 50 : opacity);
              t->SetValue(Ink(opacity == 0), 0, 10, filled ? 1 : variant + 1, filled ? 1 : 0, 0);
              return t;
            },
            static_cast<unsigned>(variant * 31 + opacity));
        twin.StrokeBoth(Walk(twin.Rng(), 25), shifts[variant % 4]);
      }
    }
  }
}

TEST(FastPath, CurveStagesMatchTheFullRepaint) {
  for (int width = 1; width <= 4; ++width) {
    for (int opacity : {1, 50, 100}) {
      Twin twin(
          [&](Rig& r) {
            auto t = r.Make<TKvCurve>(opacity);
            t->SetValue(Ink(false), 0, 0, width, 0, 0);
            return t;
          },
          static_cast<unsigned>(width + opacity));
      for (int stage = 0; stage < 6; ++stage) {
        twin.Do([&](TKvPaint& t) { t.SetValue(Ink(false), 0, 0, width, stage % 3, 0); }, "stage");
        twin.StrokeBoth(Walk(twin.Rng(), 12), 0);
      }
    }
  }
}

TEST(FastPath, SprayMatchesTheFullRepaint) {
  for (int option = 0; option < 3; ++option) {
    for (int opacity : {1, 50, 99, 100}) {
      SprayRandom fastRandom, slowRandom;
      fastRandom.Pin(1234u + option);
      slowRandom.Pin(1234u + option);
      bool first = true;
      Twin twin(
          [&](Rig& r) {
            auto t = r.Make<TKvSpray>(opacity, first ? fastRandom : slowRandom);
            first = false;
            t->SetValue(Ink(false), 0, 0, 2 * option + 7, 0, 0);
            return t;
          },
          static_cast<unsigned>(option + opacity));
      const auto points = Walk(twin.Rng(), 12);
      twin.Do([&](TKvPaint& t) { t.OnMouseDown(0, points[0].x, points[0].y); }, "press");
      for (std::size_t i = 1; i < points.size(); ++i) {
        twin.Do([&](TKvPaint& t) { t.OnTimerTick(); }, "tick");
        twin.Do([&](TKvPaint& t) { t.OnTimerTick(); }, "tick");
        twin.Do([&](TKvPaint& t) { t.OnMouseMove(0, points[i].x, points[i].y); }, "move");
      }
      twin.Do([&](TKvPaint& t) { t.OnMouseUp(0, 0, 0); }, "release");
    }
  }
}

TEST(FastPath, MoveScaleMatchesTheFullRepaint) {
  for (int handle = 0; handle <= 8; ++handle) {
    SCOPED_TRACE(testing::Message() << "handle " << handle);
    std::vector<Picture> floats(2, pixmint::test::FromAscii({"rgb.", "tt#y", "bbrr", "#.#t"}));
    int next = 0;
    Twin twin(
        [&](Rig& r) {
          auto t = r.Make<TKvMoveScale>(100);
          t->SetTarget(&floats[next++]);
          t->SetValue(0, 6, 5, 0, handle, 0);
          return t;
        },
        static_cast<unsigned>(handle));
    twin.StrokeBoth(Walk(twin.Rng(), 30), 0);
  }
}

TEST(FastPath, MarqueeAndLassoReportTheScreenTheyChange) {
  std::vector<Picture> targets(2);
  int next = 0;
  Twin marquee(
      [&](Rig& r) {
        auto t = r.Make<TKvSelectBas>(100);
        t->SetTarget(&targets[next++]);
        return t;
      },
      5u);
  marquee.StrokeBoth(Walk(marquee.Rng(), 20), 0);
  next = 0;
  Twin lasso(
      [&](Rig& r) {
        auto t = r.Make<TKvSelectAdv>(100);
        t->SetTarget(&targets[next++]);
        t->SetValue(0, 0, 0, 0, kLassoResetCode, 0);
        return t;
      },
      6u);
  for (Point p : std::vector<Point>{{2, 2}, {20, 3}, {15, 18}, {3, 2}}) lasso.StrokeBoth({p, {p.x + 1, p.y}, p}, 0);
}

}  // namespace
}  // namespace pixmint::tools::test

namespace pixmint::tools::test {
namespace {

// A screen buffer of the wrong size (the window not laid out yet), zoom 0 and
// far-away points must never reach outside any picture.
TEST(Robustness, OddScreensAndFarPointsStayInBounds) {
  const std::vector<Point> far{{3, 3}, {-5000, 5}, {5000, 4000}, {2, -7}, {3, 3}};
  for (int zoom : {0, 1, 5}) {
    for (int screenSize : {0, 7}) {
      Rig rig(12, 9, zoom);
      rig.screen = Picture(screenSize, screenSize);
      SprayRandom random;
      Picture floating(3, 3, Rgb(1, 1, 1));
      std::vector<std::unique_ptr<TKvPaint>> tools;
      tools.push_back(rig.Make<TKvPencil>(50));
      tools.push_back(rig.Make<TKvBrush>(50));
      tools.push_back(rig.Make<TKvLine>(50));
      tools.push_back(rig.Make<TKvCurve>(50));
      tools.push_back(rig.Make<TKvEllipse>(50));
      tools.push_back(rig.Make<TKvSpray>(50, random));
      tools.push_back(rig.Make<TKvMoveScale>(50));
      tools.push_back(rig.Make<TKvSelectBas>(50));
      tools.push_back(rig.Make<TKvSelectAdv>(50));
      for (auto& tool : tools) {
        tool->SetTarget(&floating);
        tool->SetValue(Rgb(5, 5, 5), 0, 10, tool == tools[1] ? (9 << 16) | 5 : 7, 5, 0);
        Stroke(*tool, far);
        tool->OnTimerTick();
      }
      tools[1]->SetValue(Rgb(5, 5, 5), 0, 10, 4, 0, 0);
      Stroke(*tools[1], {{0, 0}});  // a brush of width 0 and no rings
    }
  }
}

}  // namespace
}  // namespace pixmint::tools::test
