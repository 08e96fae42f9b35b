#include "raster/flood_fill.h"

#include <gtest/gtest.h>

#include <queue>
#include <random>

#include "random_picture.h"
#include "raster/composite.h"
#include "support/pixel_grid.h"

namespace pixmint::raster {
namespace {

using test::SamePicture;

// A plain breadth-first fill, one pixel at a time: the obvious reference.
Picture ReferenceFill(Picture p, int x, int y, Colour fill) {
  if (!p.Contains(x, y)) return p;
  const Colour target = p.Pixel(x, y);
  if (target == fill) return p;
  std::queue<Point> queue;
  queue.push({x, y});
  p.SetPixel(x, y, fill);
  while (!queue.empty()) {
    const Point q = queue.front();
    queue.pop();
    for (const Point d : {Point{1, 0}, Point{-1, 0}, Point{0, 1}, Point{0, -1}}) {
      const Point n{q.x + d.x, q.y + d.y};
      if (p.Pixel(n.x, n.y) != target) continue;  // outside reads an invalid colour
      p.SetPixel(n.x, n.y, fill);
      queue.push(n);
    }
  }
  return p;
}

TEST(FloodFillTest, EqualsBreadthFirstReferenceOnRandomPictures) {
  std::mt19937 rng(11);
  for (int round = 0; round < 300; ++round) {
    const int w = 1 + static_cast<int>(rng() % 40), h = 1 + static_cast<int>(rng() % 40);
    const Picture before = test::RandomPicture(rng, w, h, 2 + round % 3);
    const int x = static_cast<int>(rng() % (w + 2)) - 1, y = static_cast<int>(rng() % (h + 2)) - 1;
    const Colour fill = Rgb(40, 100, 215);  // one of the picture's colours: some seeds hit it
    Picture work = before;
    FloodFill(work, x, y, fill);
    ASSERT_TRUE(SamePicture(ReferenceFill(before, x, y, fill), work)) << x << "," << y << " round " << round;
  }
}

TEST(FloodFillTest, LargeSingleColourPictureDoesNotExhaustTheStack) {
  Picture p(1024, 1024, Rgb(5, 5, 5));
  FloodFill(p, 512, 700, Rgb(9, 9, 9));
  EXPECT_TRUE(SamePicture(Picture(1024, 1024, Rgb(9, 9, 9)), p));
}

TEST(FillAreaTest, BlendsOnceHereAndOnceMoreWhenMerged) {
  const Picture before(3, 1, Rgb(200, 200, 200));
  Picture work;
  FillArea(before, work, {1, 0}, Rgb(0, 0, 0), 50);
  EXPECT_EQ(work.Pixel(2, 0), Rgb(100, 100, 100));
  MergeLayer(work, before, 3, 1, 50);
  EXPECT_EQ(work.Pixel(0, 0), Rgb(150, 150, 150));
  FillArea(before, work, {7, 0}, Rgb(0, 0, 0), 100);
  EXPECT_TRUE(SamePicture(before, work));
}

}  // namespace
}  // namespace pixmint::raster
