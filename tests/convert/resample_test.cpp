// The resampler: exact where nothing is to be done, no dark edges around
// transparency, and close to ImageMagick's Lanczos resize.
#include "convert/resample.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "document/file_io.h"
#include "pictures.h"
#include "support/pixel_grid.h"

namespace pixmint::convert {
namespace {

using test::At;

TEST(Resampler, FitSquareCentresOnTransparencyAndKeepsTheAspect) {
  Rgba wide = test::Blank(40, 20);
  for (std::size_t i = 3; i < wide.pixels.size(); i += 4) wide.pixels[i] = 255;
  const Rgba square = FitSquare(Resampler(wide), 20);
  ASSERT_EQ(square.width, 20);
  for (int y = 0; y < 20; ++y) EXPECT_EQ(At(square, 10, y)[3], y >= 5 && y < 15 ? 255 : 0) << y;
  EXPECT_EQ(FitPlacement(40, 20, 16).height, 8);
  EXPECT_EQ(FitPlacement(3, 300, 16).width, 1);
}

// The colour of visible edge pixels of a red disk: 255 when no darkness
// bleeds in from the transparent pixels around it.
int DarkestEdgeRed(const Rgba& p) {
  int darkest = 255;
  for (std::size_t i = 0; i < p.pixels.size(); i += 4) {
    if (p.pixels[i + 3] >= 8) darkest = std::min<int>(darkest, p.pixels[i]);
  }
  return darkest;
}

// Mean difference per channel of premultiplied values (0..255), which
// compares what shows rather than the colour of invisible pixels.
double MeanDifference(const Rgba& a, const Rgba& b) {
  double sum = 0;
  for (std::size_t i = 0; i < a.pixels.size(); i += 4) {
    for (int c = 0; c < 4; ++c) {
      const int pa = c == 3 ? a.pixels[i + 3] : a.pixels[i + c] * a.pixels[i + 3] / 255;
      const int pb = c == 3 ? b.pixels[i + 3] : b.pixels[i + c] * b.pixels[i + 3] / 255;
      sum += std::abs(pa - pb);
    }
  }
  return sum / static_cast<double>(a.pixels.size());
}

std::optional<Rgba> MagickLanczos(const Rgba& source, int side, const test::TempDir& dir) {
  const auto png = document::EncodePng32(source.width, source.height, source.pixels, document::ChannelOrder::kRgba);
  if (!png || !document::WriteFileAtomically(dir / "in.png", *png)) return std::nullopt;
  const std::string cmd = "convert '" + (dir / "in.png").string() + "' -filter Lanczos -resize " +
                          std::to_string(side) + "x" + std::to_string(side) + "! 'PNG32:" + (dir / "out.png").string() +
                          "'";
  if (std::system(cmd.c_str()) != 0) return std::nullopt;
  const auto bytes = document::ReadWholeFile(dir / "out.png");
  if (!bytes) return std::nullopt;
  auto out = document::DecodePng(*bytes, document::ChannelOrder::kRgba, 4096);
  return out ? std::optional(*std::move(out)) : std::nullopt;
}

TEST(Resampler, AgreesWithImageMagickLanczosAndLeavesNoDarkFringe) {
  if (std::system("convert -version >/dev/null 2>&1") != 0) GTEST_SKIP() << "no ImageMagick";
  test::TempDir dir;
  const Rgba icon = test::IconLike(512);
  const Rgba disk = test::HardDisk(512, 255, 0, 0);
  const Resampler iconSampler(icon), diskSampler(disk);
  for (const int side : {16, 24, 32, 48, 64, 256}) {
    const auto theirIcon = MagickLanczos(icon, side, dir);
    const auto theirDisk = MagickLanczos(disk, side, dir);
    ASSERT_TRUE(theirIcon && theirDisk);
    EXPECT_LT(MeanDifference(iconSampler.Resize(side, side), *theirIcon), 1.0) << side;
    EXPECT_LT(MeanDifference(diskSampler.Resize(side, side), *theirDisk), 1.0) << side;
    EXPECT_EQ(DarkestEdgeRed(diskSampler.Resize(side, side)), 255) << side;
  }
}

}  // namespace
}  // namespace pixmint::convert
