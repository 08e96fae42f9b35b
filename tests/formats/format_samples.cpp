#include "format_samples.h"

#include "ico_builder.h"

namespace pixmint::test {

std::unique_ptr<document::TKvIcon> MakeCursor(const std::vector<ImageSpec>& images, int seed) {
  auto icon = std::make_unique<document::TKvIcon>();
  icon->SetIcon(false);
  for (const ImageSpec& spec : images) {
    EXPECT_TRUE(icon->AddImage(spec.side, spec.side, spec.bitCount));
    const std::uint32_t i = icon->ImageCount() - 1;
    Paint(*icon, i);
    // The seed shifts a diagonal band so that frames differ.
    document::ImageSurface& s = *icon->XorBitmap(i);
    for (int x = 0; x < spec.side; ++x) {
      const int y = (x + seed * 3) % spec.side;
      s.SetPixel(x, y, raster::Rgb(static_cast<std::uint8_t>(seed * 40), 200, 10));
      if (s.BitCount() == 32) s.SetRaw(x, y, s.GetRaw(x, y) | 0xFF000000u);
      icon->AndBitmap(i)->Set(x, y, false);
    }
    icon->SetHotSpot(i, spec.hotSpot);
  }
  return icon;
}

::testing::AssertionResult SameCursor(const formats::AnimatedCursor& a, const formats::AnimatedCursor& b) {
  if (a.frames.size() != b.frames.size() || a.steps != b.steps || a.title != b.title || a.author != b.author)
    return ::testing::AssertionFailure() << "frames, steps, title or author differ";
  for (std::size_t f = 0; f < a.frames.size(); ++f)
    if (auto same = SameIcon(*a.frames[f], *b.frames[f]); !same) return same << " (frame " << f << ")";
  return ::testing::AssertionSuccess();
}

}  // namespace pixmint::test
