#include "formats/cursor_sizes.h"

#include <algorithm>
#include <map>

#include "document/file_io.h"
#include "formats/xcursor.h"

namespace pixmint::formats {
namespace {

using convert::CursorScaling;

constexpr int kMaxAddedSide = 256;

int NominalSide(const document::TKvIcon& icon, std::uint32_t i) {
  const auto* s = icon.XorBitmap(i);
  return s == nullptr ? 0 : std::max(s->Width(), s->Height());
}

bool HasSide(const document::TKvIcon& icon, int side) {
  for (std::uint32_t i = 0; i < icon.ImageCount(); ++i) {
    if (NominalSide(icon, i) == side) return true;
  }
  return false;
}

// Each pixel of image i as a k x k block, at the image's own depth.
bool AppendReplicated(document::TKvIcon& icon, std::uint32_t i, int k) {
  const document::ImageSurface& from = *icon.XorBitmap(i);
  const int w = from.Width(), h = from.Height();
  const int bits = static_cast<int>(icon.Colors(i));
  if (!icon.AddImage(w * k, h * k, bits)) return false;
  const std::uint32_t n = icon.ImageCount() - 1;
  if (bits <= 8 && !icon.SetColourTable(n, icon.ImagePalette(i))) return false;
  const document::ImageSurface& colour = *icon.XorBitmap(i);
  const document::MaskSurface& mask = *icon.AndBitmap(i);
  document::ImageSurface& toColour = *icon.XorBitmap(n);
  document::MaskSurface& toMask = *icon.AndBitmap(n);
  for (int y = 0; y < h * k; ++y) {
    for (int x = 0; x < w * k; ++x) {
      toColour.SetRaw(x, y, colour.GetRaw(x / k, y / k));
      toMask.Set(x, y, mask.Get(x / k, y / k));
    }
  }
  icon.SetPngCompressed(n, bits == 32 && (w * k >= 256 || h * k >= 256));
  icon.SetHotSpot(n, convert::ScaleCursorHotSpot(icon.GetHotSpot(i), w, h, w * k, h * k));
  return true;
}

bool AppendSide(document::TKvIcon& icon, const CursorSizeSource& source, int side) {
  const int from = NominalSide(icon, source.image);
  if (source.scaling == CursorScaling::kReplicate) return AppendReplicated(icon, source.image, side / from);
  const auto scaled = ScaledCursorImage(icon, source.image, side);
  return scaled && AddPremultipliedArgb(icon, scaled->image);
}

}  // namespace

std::optional<CursorSizeSource> FindCursorSizeSource(const document::TKvIcon& icon, int side) {
  std::vector<int> sides;
  for (std::uint32_t i = 0; i < icon.ImageCount(); ++i) sides.push_back(NominalSide(icon, i));
  const auto choice = convert::ChooseCursorSource(sides, side);
  if (!choice) return std::nullopt;
  auto best = static_cast<std::uint32_t>(choice->source);
  for (std::uint32_t i = 0; i < icon.ImageCount(); ++i) {
    if (sides[i] == sides[best] && icon.Colors(i) > icon.Colors(best)) best = i;
  }
  return CursorSizeSource{best, choice->scaling};
}

std::optional<ArgbConversion> ScaledCursorImage(const document::TKvIcon& icon, std::uint32_t i, int side) {
  if (side <= 0) return std::nullopt;
  auto argb = ToPremultipliedArgb(icon, i);
  if (!argb) return std::nullopt;
  ArgbImage& image = argb->image;
  const int from = std::max(image.width, image.height);
  if (from == side) return argb;
  const convert::Size2 to = convert::ScaledCursorSize(image.width, image.height, from, side);
  image.pixels = convert::ResamplePremultiplied(image.pixels, image.width, image.height, to.width, to.height);
  image.hotSpot = convert::ScaleCursorHotSpot(image.hotSpot, image.width, image.height, to.width, to.height);
  image.width = to.width;
  image.height = to.height;
  return argb;
}

texts::Result<void> AddCursorSizes(document::TKvIcon& icon, std::span<const int> sides,
                                   std::vector<AddedCursorSize>& added) {
  using texts::Fail;
  added.clear();
  if (icon.ImageCount() == 0) return texts::Failure{Fail::kDocumentHasNoImage};
  std::vector<int> wanted;
  for (const int side : sides) {
    if (side < 1 || side > kMaxAddedSide) {
      return texts::Failure{Fail::kSizeOutOfRange, {std::to_string(side), std::to_string(kMaxAddedSide)}};
    }
    if (!HasSide(icon, side) && std::find(wanted.begin(), wanted.end(), side) == wanted.end()) wanted.push_back(side);
  }
  if (icon.ImageCount() + wanted.size() > document::kMaxImages) {
    return texts::Failure{Fail::kTooManyImages, {std::to_string(document::kMaxImages)}};
  }
  const std::uint32_t before = icon.ImageCount();
  // Every size is made from the images there were, not from one just made.
  std::vector<CursorSizeSource> sources;
  for (const int side : wanted) sources.push_back(*FindCursorSizeSource(icon, side));
  for (std::size_t k = 0; k < wanted.size(); ++k) {
    if (!AppendSide(icon, sources[k], wanted[k])) {
      while (icon.ImageCount() > before) (void)icon.DeleteImage(icon.ImageCount() - 1);
      added.clear();
      return texts::Failure{Fail::kCannotMakeSize, {std::to_string(wanted[k])}};
    }
    added.push_back({wanted[k], sources[k].image, sources[k].scaling});
  }
  return {};
}

texts::Result<std::vector<XcursorImage>> XcursorImagesAtSizes(const AnimatedCursor& cursor, std::span<const int> sides,
                                                              std::vector<texts::Failure>& notes) {
  using texts::Fail;
  if (auto problem = cursor.Problem()) return *std::move(problem);
  if (sides.empty()) return texts::Failure{Fail::kNoSizeGiven};
  std::uint64_t bytes = 0;
  for (const int side : sides) {
    if (side < 1 || side > kMaxThemeSide) {
      return texts::Failure{Fail::kSizeOutOfRange, {std::to_string(side), std::to_string(kMaxThemeSide)}};
    }
    bytes += std::uint64_t(side) * std::uint64_t(side) * 4 * cursor.steps.size();
  }
  if (bytes > document::kMaxReadBytes) {
    return texts::Failure{Fail::kXcursorTooLarge, {std::to_string(document::kMaxReadBytes >> 20)}};
  }
  const bool animated = cursor.frames.size() > 1;
  std::map<std::pair<std::uint32_t, int>, ArgbImage> made;        // (frame, side)
  std::map<std::pair<std::uint32_t, std::uint32_t>, bool> noted;  // (frame, image)
  std::vector<XcursorImage> images;
  images.reserve(sides.size() * cursor.steps.size());
  for (const int side : sides) {
    for (const AnimationStep& step : cursor.steps) {
      auto [it, isNew] = made.try_emplace({step.frame, side});
      if (isNew) {
        const document::TKvIcon& frame = *cursor.frames[step.frame];
        const auto source = FindCursorSizeSource(frame, side);
        auto scaled = source ? ScaledCursorImage(frame, source->image, side) : std::nullopt;
        if (!scaled) {
          texts::Failure none{Fail::kNoSourceForSize, {std::to_string(side)}};
          if (!animated) return none;
          return texts::Within(Fail::kInFrame, {std::to_string(step.frame)}, std::move(none));
        }
        if (scaled->invertingPixels != 0 && !noted[{step.frame, source->image}]) {
          noted[{step.frame, source->image}] = true;
          const auto* s = frame.XorBitmap(source->image);
          texts::Failure note{Fail::kInvertingRedrawn,
                              {std::to_string(s->Width()), std::to_string(s->Height()),
                               std::to_string(frame.Colors(source->image)), std::to_string(scaled->invertingPixels)}};
          notes.push_back(animated ? texts::Within(Fail::kInFrame, {std::to_string(step.frame)}, std::move(note))
                                   : std::move(note));
        }
        it->second = std::move(scaled->image);
      }
      images.push_back({static_cast<std::uint32_t>(side), JiffiesToMs(step.jiffies), it->second});
    }
  }
  return images;
}

}  // namespace pixmint::formats
