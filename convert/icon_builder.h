#pragma once

#include <optional>
#include <string>
#include <vector>

#include "convert/master.h"
#include "document/kv_icon.h"

namespace pixmint::convert {

// The sizes Windows 10 and 11 ask for at the usual display scalings.
inline const std::vector<int> kDefaultSizes = {16, 20, 24, 32, 40, 48, 64, 256};
inline constexpr int kMinSize = 1;
inline constexpr int kMaxSize = 256;
inline constexpr int kDefaultThreshold = 128;

struct ConvertOptions {
  std::vector<int> sizes = kDefaultSizes;
  // 32 (256 x 256 as PNG, smaller as bitmaps), 8 and 4.
  std::vector<int> depths = {32};
  bool cursor = false;
  // In the first master's pixels; scaled into every size. Cursors only.
  std::optional<raster::Point> hotSpot;
  // 8- and 4-bit images: alpha below this is transparent (mask set).
  int threshold = kDefaultThreshold;
  bool dither = false;
};

// Which master makes which size, and how.
struct SizePlan {
  int size = 0;
  std::size_t master = 0;
  bool unscaled = false;  // a bitmap master of exactly this size
  bool enlarged = false;  // no master is as large: the largest is scaled up
};

// What is wrong with the options, if anything.
[[nodiscard]] texts::Result<void> CheckOptions(const ConvertOptions& options, std::size_t masterCount);

// For every size: a bitmap master of exactly that size as it is; else the
// smallest master at least as large (an SVG counts by the size it declares);
// else the largest master. For a cursor, after the exact size, the master
// is chosen as ChooseCursorSource chooses (a whole divisor first).
[[nodiscard]] std::vector<SizePlan> PlanSizes(const std::vector<Master>& masters, const std::vector<int>& sizes,
                                              bool cursor = false);

// The hot spot of the first master's pixel (x, y) in a square of side pixels.
[[nodiscard]] raster::Point ScaleHotSpot(raster::Point spot, int masterWidth, int masterHeight, int side);

// Builds the icon or cursor (a cursor's bitmaps scaled as Master::Square
// scales them for cursors): for each depth (in the order given) one image
// of each size. 32-bit images keep the resampled alpha (alpha 0 is masked);
// 8- and 4-bit images take a median-cut table of their visible colours
// (black kept at index 0 when anything is transparent, so that masked
// pixels leave the screen alone), optionally dithered. icon must be empty.
[[nodiscard]] texts::Result<void> BuildIcon(const std::vector<Master>& masters, const ConvertOptions& options,
                                            document::TKvIcon& icon);

}  // namespace pixmint::convert
