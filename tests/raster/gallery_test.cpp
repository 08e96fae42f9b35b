#include <gtest/gtest.h>
#include <png.h>

#include <string>
#include <vector>

#include "gallery_scene.h"
#include "support/pixel_grid.h"

namespace pixmint::raster {
namespace {

// Reads a PNG as 8-bit RGB; empty on failure.
Picture ReadPng(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
  const int w = static_cast<int>(image.width), h = static_cast<int>(image.height);
  Picture picture(w, h);
  for (int y = 0; y < h; ++y) {
    const png_byte* row = rgb.data() + static_cast<std::size_t>(y) * w * 3;
    for (int x = 0; x < w; ++x) picture.SetPixel(x, y, Rgb(row[x * 3], row[x * 3 + 1], row[x * 3 + 2]));
  }
  return picture;
}

// Guards every primitive's pixels against accidental change. After an
// intended change: run bench/tool_gallery tests/data/gallery.png, look at it
// enlarged, and commit the new picture.
TEST(GalleryTest, RendersAsStored) {
  const Picture stored = ReadPng(std::string(PIXMINT_TEST_DATA_DIR) + "/gallery.png");
  ASSERT_FALSE(stored.Empty());
  const test::Legend legend = {{'.', gallery::kPaper}, {'#', gallery::kInk}, {'r', gallery::kFill}};
  EXPECT_TRUE(test::SamePicture(stored, gallery::RenderGallery(), legend));
}

}  // namespace
}  // namespace pixmint::raster
