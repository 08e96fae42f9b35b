#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "gallery_scene.h"
#include "support/pixel_grid.h"

namespace pixmint::raster {
namespace {

// Reads an 8-bit RGB PNG (as the gallery program writes it); empty on failure.
Picture ReadPng(const std::string& path) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return {};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  Picture picture;
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return {};
  }
  png_init_io(png, file.get());
  png_read_info(png, info);
  if (png_get_color_type(png, info) != PNG_COLOR_TYPE_RGB || png_get_bit_depth(png, info) != 8) {
    png_destroy_read_struct(&png, &info, nullptr);
    return {};
  }
  const int w = static_cast<int>(png_get_image_width(png, info));
  const int h = static_cast<int>(png_get_image_height(png, info));
  picture.Resize(w, h);
  std::vector<png_byte> row(static_cast<std::size_t>(w) * 3);
  for (int y = 0; y < h; ++y) {
    png_read_row(png, row.data(), nullptr);
    for (int x = 0; x < w; ++x) picture.SetPixel(x, y, Rgb(row[x * 3], row[x * 3 + 1], row[x * 3 + 2]));
  }
  png_destroy_read_struct(&png, &info, nullptr);
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
