#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "raster/picture.h"

namespace pixmint::test {

// A pixel of an ASCII picture: a colour and its alpha (opaque by default).
struct Px {
  Px(raster::Colour c, std::uint8_t a = raster::kOpaque) : colour(c), alpha(a) {}  // NOLINT: a colour is a pixel
  raster::Colour colour;
  std::uint8_t alpha;
};
inline const Px kClear{0, 0};
inline const Px kInverting{raster::Rgb(255, 255, 255), 0};

// Characters that stand for pixels in ASCII pictures. The default legend:
// '.' white, '#' black, 't' transparent, 'i' the inverting pixel, 'r' red,
// 'g' green, 'b' blue, 'y' yellow. A transparent pixel reads as 't' whatever
// colour it hides.
using Legend = std::map<char, Px>;
[[nodiscard]] const Legend& DefaultLegend();

// A picture from rows of equal length, one character per pixel.
[[nodiscard]] raster::Picture FromAscii(std::initializer_list<std::string_view> rows,
                                        const Legend& legend = DefaultLegend());
[[nodiscard]] raster::Picture FromAscii(const std::vector<std::string>& rows, const Legend& legend = DefaultLegend());

// The picture as rows of characters; a colour missing from the legend is '?'.
[[nodiscard]] std::vector<std::string> ToAscii(const raster::Picture& picture, const Legend& legend = DefaultLegend());

// EXPECT_TRUE(SamePicture(expected, actual)): on failure prints both grids
// and the first differing pixel with its colours.
[[nodiscard]] ::testing::AssertionResult SamePicture(const raster::Picture& expected, const raster::Picture& actual,
                                                     const Legend& legend = DefaultLegend());

// A private temporary folder, removed with everything in it on destruction.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  [[nodiscard]] const std::filesystem::path& Path() const { return path_; }
  [[nodiscard]] std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace pixmint::test
