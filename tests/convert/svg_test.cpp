// SVG masters through Qt's SVG module in a process without any application
// object and without a display, as pixmint-cli runs.
#include <gtest/gtest.h>

#include <string_view>

#include "app/svg/qt_svg_loader.h"
#include "convert/master.h"
#include "pictures.h"

namespace pixmint::convert {
namespace {

std::span<const std::uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Left half blue, right half clear, text on top: a hard edge in the middle.
constexpr std::string_view kHalf =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">)"
    R"(<rect x="0" y="0" width="24" height="48" fill="#0000ff"/>)"
    R"(<text x="2" y="40" font-size="10" fill="#ffffff">Px</text></svg>)";

TEST(QtSvg, DrawsAtEverySizeWithItsOwnEdgesCentredAndRefusesBadPictures) {
  const svg::QtSvgLoader loader;
  auto master = MasterFromBytes(Bytes(kHalf), "half.svg", &loader);
  ASSERT_TRUE(master);
  EXPECT_TRUE(master->IsSvg());
  EXPECT_EQ(master->Width(), 48);
  for (const int side : {16, 48, 256}) {
    const auto square = master->Square(side);
    ASSERT_TRUE(square);
    ASSERT_EQ(square->width, side);
    // Drawn at this size, the edge stays one pixel sharp; a picture drawn once
    // and scaled up would blur it over several pixels.
    const std::uint8_t* inside = test::At(*square, side / 2 - 1, side / 8);
    const std::uint8_t* outside = test::At(*square, side / 2, side / 8);
    EXPECT_EQ((std::vector<int>{inside[0], inside[1], inside[2], inside[3]}), (std::vector<int>{0, 0, 255, 255}))
        << side;
    EXPECT_EQ(outside[3], 0) << side;
  }
  // A wide picture is centred; a bad one refused.
  constexpr std::string_view kWide =
      R"(<svg xmlns="http://www.w3.org/2000/svg" width="96" height="48"><rect width="96" height="48" fill="red"/></svg>)";
  master = MasterFromBytes(Bytes(kWide), "wide.svg", &loader);
  ASSERT_TRUE(master);
  const auto square = master->Square(32);
  ASSERT_TRUE(square);
  EXPECT_EQ(test::At(*square, 16, 2)[3], 0);
  EXPECT_EQ(test::At(*square, 16, 16)[3], 255);
  EXPECT_EQ(MasterFromBytes(Bytes("<svg this is not xml"), "bad.svg", &loader).error().code,
            texts::Fail::kUnreadableSvg);
}

}  // namespace
}  // namespace pixmint::convert
