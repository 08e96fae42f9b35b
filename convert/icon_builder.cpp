#include "convert/icon_builder.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "convert/cursor_scale.h"
#include "document/palette_quantize.h"

namespace pixmint::convert {
namespace {

constexpr int kPngSide = 256;

bool AddTrueColour(document::TKvIcon& icon, const Rgba& rgba) {
  if (!icon.AddImage(rgba.width, rgba.height, 32)) return false;
  const std::uint32_t i = icon.ImageCount() - 1;
  document::ImageSurface& colour = *icon.XorBitmap(i);
  document::MaskSurface& mask = *icon.AndBitmap(i);
  const std::uint8_t* p = rgba.pixels.data();
  for (int y = 0; y < rgba.height; ++y) {
    for (int x = 0; x < rgba.width; ++x, p += 4) {
      const bool clear = p[3] == 0;
      mask.Set(x, y, clear);
      colour.SetRaw(
          x, y,
          clear ? 0 : (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2]);
    }
  }
  icon.SetPngCompressed(i, rgba.width >= kPngSide);
  return true;
}

bool AddIndexed(document::TKvIcon& icon, const Rgba& rgba, int depth, int threshold, bool dither) {
  const std::size_t n = static_cast<std::size_t>(rgba.width) * static_cast<std::size_t>(rgba.height);
  std::vector<raster::Colour> pixels(n);
  std::vector<std::uint8_t> clear(n);
  std::vector<raster::Colour> visible;
  for (std::size_t k = 0; k < n; ++k) {
    const std::uint8_t* p = &rgba.pixels[4 * k];
    pixels[k] = raster::Rgb(p[0], p[1], p[2]);
    clear[k] = p[3] < threshold ? 1 : 0;
    if (clear[k] == 0) visible.push_back(pixels[k]);
  }
  const bool anyClear = visible.size() < n;
  const std::size_t entries = std::size_t{1} << depth;
  std::vector<raster::Colour> table = document::MedianCutTable(visible, anyClear ? entries - 1 : entries);
  // A masked pixel must be black in the colour plane, or the screen behind
  // it would be changed.
  if (anyClear) table.insert(table.begin(), raster::Rgb(0, 0, 0));
  if (!icon.AddImage(rgba.width, rgba.height, depth)) return false;
  const std::uint32_t i = icon.ImageCount() - 1;
  if (!icon.SetColourTable(i, table)) return false;
  const auto indices = document::MapToTable(pixels, rgba.width, rgba.height, table, clear, 0, dither);
  document::ImageSurface& colour = *icon.XorBitmap(i);
  document::MaskSurface& mask = *icon.AndBitmap(i);
  for (int y = 0; y < rgba.height; ++y) {
    for (int x = 0; x < rgba.width; ++x) {
      const std::size_t k = static_cast<std::size_t>(y) * static_cast<std::size_t>(rgba.width) + x;
      colour.SetRaw(x, y, indices[k]);
      mask.Set(x, y, clear[k] != 0);
    }
  }
  return true;
}

}  // namespace

texts::Result<void> CheckOptions(const ConvertOptions& options, std::size_t masterCount) {
  using texts::Fail;
  using texts::Failure;
  if (masterCount == 0) return Failure{Fail::kNoPictureGiven};
  if (options.sizes.empty()) return Failure{Fail::kNoSizeGiven};
  if (options.depths.empty()) return Failure{Fail::kNoDepthGiven};
  std::set<int> seen;
  for (const int s : options.sizes) {
    if (s < kMinSize || s > kMaxSize)
      return Failure{Fail::kSizeOutOfRange, {std::to_string(s), std::to_string(kMaxSize)}};
    if (!seen.insert(s).second) return Failure{Fail::kSizeTwice, {std::to_string(s)}};
  }
  seen.clear();
  for (const int d : options.depths) {
    if (d != 32 && d != 8 && d != 4) return Failure{Fail::kDepthNotAllowed, {std::to_string(d)}};
    if (!seen.insert(d).second) return Failure{Fail::kDepthTwice, {std::to_string(d)}};
  }
  if (options.sizes.size() * options.depths.size() > document::kMaxImages) {
    return Failure{
        Fail::kIconImagesTooMany,
        {std::to_string(document::kMaxImages), std::to_string(options.sizes.size() * options.depths.size())}};
  }
  if (options.threshold < 0 || options.threshold > 255) return Failure{Fail::kThresholdOutOfRange};
  if (options.hotSpot && !options.cursor) return Failure{Fail::kHotSpotNeedsCursor};
  return {};
}

std::vector<SizePlan> PlanSizes(const std::vector<Master>& masters, const std::vector<int>& sizes, bool cursor) {
  std::vector<SizePlan> plans;
  if (masters.empty()) return plans;
  std::vector<int> sides;
  for (const Master& m : masters) sides.push_back(m.Side());
  for (const int s : sizes) {
    SizePlan plan{s, 0, false, false};
    const auto exact = std::find_if(masters.begin(), masters.end(),
                                    [s](const Master& m) { return !m.IsSvg() && m.Width() == s && m.Height() == s; });
    if (exact != masters.end()) {
      plan.master = static_cast<std::size_t>(exact - masters.begin());
      plan.unscaled = true;
    } else if (const auto choice = ChooseCursorSource(sides, s); cursor && choice) {
      plan.master = choice->source;
      plan.enlarged = sides[choice->source] < s && !masters[plan.master].IsSvg();
      plan.unscaled = !masters[plan.master].IsSvg() && sides[choice->source] == s;
    } else {
      std::optional<std::size_t> best;
      std::size_t largest = 0;
      for (std::size_t m = 0; m < masters.size(); ++m) {
        if (masters[m].Side() > masters[largest].Side()) largest = m;
        if (masters[m].Side() >= s && (!best || masters[m].Side() < masters[*best].Side())) best = m;
      }
      plan.master = best.value_or(largest);
      plan.enlarged = !best && !masters[largest].IsSvg();
      plan.unscaled = !masters[plan.master].IsSvg() && masters[plan.master].Side() == s;
    }
    plans.push_back(plan);
  }
  return plans;
}

raster::Point ScaleHotSpot(raster::Point spot, int masterWidth, int masterHeight, int side) {
  const Placement at = FitPlacement(masterWidth, masterHeight, side);
  if (at.width <= 0 || at.height <= 0) return {};
  const raster::Point p = ScaleCursorHotSpot(spot, masterWidth, masterHeight, at.width, at.height);
  return {std::clamp(at.x + p.x, 0, side - 1), std::clamp(at.y + p.y, 0, side - 1)};
}

texts::Result<void> BuildIcon(const std::vector<Master>& masters, const ConvertOptions& options,
                              document::TKvIcon& icon) {
  using texts::Fail;
  if (auto usable = CheckOptions(options, masters.size()); !usable) return usable;
  if (icon.ImageCount() != 0) return texts::Failure{Fail::kDocumentNotEmpty};
  const Master& first = masters.front();
  if (options.hotSpot && (options.hotSpot->x < 0 || options.hotSpot->y < 0 || options.hotSpot->x >= first.Width() ||
                          options.hotSpot->y >= first.Height())) {
    return texts::Failure{Fail::kHotSpotOutside, {first.Name()}};
  }
  const std::vector<SizePlan> plans = PlanSizes(masters, options.sizes, options.cursor);
  std::vector<Rgba> squares;
  for (const SizePlan& plan : plans) {
    auto square = masters[plan.master].Square(plan.size, options.cursor);
    if (!square) return texts::Failure{Fail::kCannotDrawAt, {masters[plan.master].Name(), std::to_string(plan.size)}};
    squares.push_back(std::move(*square));
  }
  icon.SetIcon(!options.cursor);
  for (const int depth : options.depths) {
    for (std::size_t k = 0; k < plans.size(); ++k) {
      const bool added = depth == 32 ? AddTrueColour(icon, squares[k])
                                     : AddIndexed(icon, squares[k], depth, options.threshold, options.dither);
      if (!added) return texts::Failure{Fail::kCannotMakeSize, {std::to_string(plans[k].size)}};
      if (options.cursor && options.hotSpot) {
        icon.SetHotSpot(icon.ImageCount() - 1,
                        ScaleHotSpot(*options.hotSpot, first.Width(), first.Height(), plans[k].size));
      }
    }
  }
  return {};
}

}  // namespace pixmint::convert
