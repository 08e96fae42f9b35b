#include "support/pixel_grid.h"

#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace pixmint::test {

using raster::Colour;
using raster::Picture;
using raster::Rgb;

const Legend& DefaultLegend() {
  static const Legend legend = {
      {'.', Rgb(255, 255, 255)}, {'#', Rgb(0, 0, 0)},   {'t', kClear},         {'i', kInverting},
      {'r', Rgb(255, 0, 0)},     {'g', Rgb(0, 255, 0)}, {'b', Rgb(0, 0, 255)}, {'y', Rgb(255, 255, 0)},
  };
  return legend;
}

namespace {

template <typename Rows>
Picture Build(const Rows& rows, const Legend& legend) {
  const int height = static_cast<int>(rows.size());
  const int width = height == 0 ? 0 : static_cast<int>(std::string_view(*rows.begin()).size());
  Picture picture(width, height);
  int y = 0;
  for (std::string_view row : rows) {
    if (static_cast<int>(row.size()) != width) throw std::invalid_argument("ragged ASCII picture");
    for (int x = 0; x < width; ++x) {
      auto it = legend.find(row[x]);
      if (it == legend.end()) throw std::invalid_argument("character missing from the legend");
      picture.SetPixel(x, y, it->second.colour, it->second.alpha);
    }
    ++y;
  }
  return picture;
}

std::string PixelText(const Picture& p, int x, int y) {
  const Colour c = p.Pixel(x, y);
  std::ostringstream out;
  out << "RGBA(" << int(raster::Red(c)) << "," << int(raster::Green(c)) << "," << int(raster::Blue(c)) << ","
      << int(p.Alpha(x, y)) << ")";
  return out.str();
}

char LetterOf(const Picture& picture, int x, int y, const Legend& legend) {
  const Colour c = picture.Pixel(x, y);
  const std::uint8_t a = picture.Alpha(x, y);
  char clear = '?';
  for (const auto& [key, value] : legend) {
    if (value.alpha == a && raster::SameRgb(value.colour, c)) return key;
    if (value.alpha == 0 && value.colour == 0) clear = key;
  }
  return a == 0 ? clear : '?';
}

}  // namespace

Picture FromAscii(std::initializer_list<std::string_view> rows, const Legend& legend) {
  return Build(rows, legend);
}

Picture FromAscii(const std::vector<std::string>& rows, const Legend& legend) {
  return Build(rows, legend);
}

std::vector<std::string> ToAscii(const Picture& picture, const Legend& legend) {
  std::vector<std::string> rows;
  for (int y = 0; y < picture.Height(); ++y) {
    std::string row;
    for (int x = 0; x < picture.Width(); ++x) row += LetterOf(picture, x, y, legend);
    rows.push_back(row);
  }
  return rows;
}

::testing::AssertionResult SamePicture(const Picture& expected, const Picture& actual, const Legend& legend) {
  if (expected == actual) return ::testing::AssertionSuccess();
  auto failure = ::testing::AssertionFailure();
  failure << "expected " << expected.Width() << "x" << expected.Height() << ", actual " << actual.Width() << "x"
          << actual.Height() << "\n";
  const int w = expected.Width(),
            n = w == actual.Width() && expected.Height() == actual.Height() ? w * actual.Height() : 0;
  for (int i = 0, x = 0, y = 0; i < n; ++i, x = i % w, y = i / w) {
    if (expected.Pixel(x, y) == actual.Pixel(x, y) && expected.Alpha(x, y) == actual.Alpha(x, y)) continue;
    failure << "first difference at (" << x << "," << y << "): expected " << PixelText(expected, x, y) << ", actual "
            << PixelText(actual, x, y) << "\n";
    break;
  }
  if (expected.Width() <= 64 && actual.Width() <= 64 && expected.Height() <= 64 && actual.Height() <= 64) {
    const auto e = ToAscii(expected, legend), a = ToAscii(actual, legend);
    failure << "expected | actual\n";
    for (std::size_t y = 0; y < std::max(e.size(), a.size()); ++y) {
      const std::string left = y < e.size() ? e[y] : std::string(e.empty() ? 0 : e[0].size(), ' ');
      failure << left << " | " << (y < a.size() ? a[y] : "") << "\n";
    }
  }
  return failure;
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "pixmint-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace pixmint::test
