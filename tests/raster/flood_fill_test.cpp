#include "raster/flood_fill.h"

#include <gtest/gtest.h>

#include <queue>
#include <random>

#include "support/pixel_grid.h"
#include "support/random_picture.h"

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

TEST(FloodCoverTest, TransparentPixelsLookAlikeWhateverTheyHideButTheInvertingPixelStandsApart) {
  Picture p(4, 1);
  p.SetPixel(1, 0, Rgb(9, 9, 9), 0);
  p.SetPixel(2, 0, Rgb(255, 255, 255), 0);
  p.SetPixel(3, 0, Rgb(1, 1, 1));
  auto covered = [](const Picture& cover) {
    std::string row;
    for (int x = 0; x < cover.Width(); ++x) row += cover.Alpha(x, 0) != 0 ? '#' : '.';
    return row;
  };
  EXPECT_EQ(covered(FloodCover(p, 0, 0)), "###.");
  EXPECT_EQ(covered(FloodCover(p, 0, 0, {false, true})), "##..");
  EXPECT_EQ(covered(FloodCover(p, 2, 0, {false, true})), "..#.");
  EXPECT_EQ(covered(FloodCover(p, 9, 0)), "....");
}

}  // namespace
}  // namespace pixmint::raster
