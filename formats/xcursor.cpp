#include "formats/xcursor.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "document/file_io.h"

namespace pixmint::formats {
namespace {

// Frames and steps without owning the frames, so that a plain document can
// be written like an animation of one frame.
struct FramesView {
  std::vector<const document::TKvIcon*> frames;
  std::vector<AnimationStep> steps;
};

using SizeMap = std::map<std::uint32_t, std::uint32_t>;  // nominal size -> image index

std::uint32_t NominalSize(const document::TKvIcon& icon, std::uint32_t i) {
  const auto* s = icon.XorBitmap(i);
  return s == nullptr ? 0 : static_cast<std::uint32_t>(std::max(s->Width(), s->Height()));
}

// The width, height and depth of an image, as a note names it.
std::vector<std::string> ImageWords(const document::TKvIcon& icon, std::uint32_t i) {
  const auto* s = icon.XorBitmap(i);
  return {std::to_string(s->Width()), std::to_string(s->Height()), std::to_string(icon.Colors(i))};
}

// A note about frame f, where there are several.
texts::Failure InFrame(bool animated, std::size_t f, texts::Failure note) {
  return animated ? texts::Within(texts::Fail::kInFrame, {std::to_string(f)}, std::move(note)) : note;
}

// One image per nominal size: the deepest, the first of equals.
SizeMap ChooseImages(const document::TKvIcon& icon, bool animated, std::size_t f, std::vector<texts::Failure>& notes) {
  SizeMap chosen;
  for (std::uint32_t i = 0; i < icon.ImageCount(); ++i) {
    const std::uint32_t size = NominalSize(icon, i);
    auto [it, added] = chosen.try_emplace(size, i);
    if (added) continue;
    std::uint32_t left = i;
    if (icon.Colors(i) > icon.Colors(it->second)) std::swap(left, it->second);
    std::vector<std::string> words = ImageWords(icon, left);
    for (std::string& w : ImageWords(icon, it->second)) words.push_back(std::move(w));
    notes.push_back(InFrame(animated, f, {texts::Fail::kImageLeftOut, std::move(words)}));
  }
  return chosen;
}

std::vector<std::uint32_t> CommonSizes(const std::vector<SizeMap>& perFrame, std::vector<texts::Failure>& notes) {
  std::map<std::uint32_t, std::size_t> frameCount;
  for (const SizeMap& m : perFrame) {
    for (const auto& [size, image] : m) ++frameCount[size];
  }
  std::vector<std::uint32_t> sizes;
  for (const auto& [size, count] : frameCount) {
    if (count == perFrame.size()) {
      sizes.push_back(size);
    } else {
      notes.push_back(
          {texts::Fail::kSizeLeftOut, {std::to_string(size), std::to_string(count), std::to_string(perFrame.size())}});
    }
  }
  return sizes;
}

texts::Result<std::vector<XcursorImage>> ImagesOf(const FramesView& view, std::vector<texts::Failure>& notes) {
  const bool animated = view.frames.size() > 1;
  std::vector<SizeMap> perFrame;
  for (std::size_t f = 0; f < view.frames.size(); ++f)
    perFrame.push_back(ChooseImages(*view.frames[f], animated, f, notes));
  const std::vector<std::uint32_t> sizes = CommonSizes(perFrame, notes);
  if (sizes.empty()) return texts::Failure{texts::Fail::kNoCommonSize};
  std::uint64_t bytes = 0;
  for (std::uint32_t size : sizes) bytes += std::uint64_t{size} * size * 4 * view.steps.size();
  if (bytes > document::kMaxReadBytes) {
    return texts::Failure{texts::Fail::kXcursorTooLarge, {std::to_string(document::kMaxReadBytes >> 20)}};
  }
  std::map<std::pair<std::size_t, std::uint32_t>, ArgbImage> converted;
  std::vector<XcursorImage> images;
  for (std::uint32_t size : sizes) {
    for (const AnimationStep& step : view.steps) {
      const document::TKvIcon& frame = *view.frames[step.frame];
      const std::uint32_t i = perFrame[step.frame].at(size);
      auto [it, added] = converted.try_emplace({step.frame, i});
      if (added) {
        auto argb = ToPremultipliedArgb(frame, i);
        if (!argb) {
          texts::Failure unreadable{texts::Fail::kImageUnreadable, {std::to_string(i)}};
          if (!animated) return unreadable;
          return texts::Within(texts::Fail::kInFrame, {std::to_string(step.frame)}, std::move(unreadable));
        }
        if (argb->invertingPixels != 0) {
          std::vector<std::string> words = ImageWords(frame, i);
          words.push_back(std::to_string(argb->invertingPixels));
          notes.push_back(InFrame(animated, step.frame, {texts::Fail::kInvertingRedrawn, std::move(words)}));
        }
        it->second = std::move(argb->image);
      }
      images.push_back({size, JiffiesToMs(step.jiffies), it->second});
    }
  }
  return images;
}

texts::Failure Converting(texts::Failure why) {
  return texts::Within(texts::Fail::kCannotConvert, {}, std::move(why));
}

// Images of one nominal size, in table order.
struct SizeGroup {
  std::uint32_t size = 0;
  std::vector<const XcursorImage*> images;
};

// In the order each size first appears; found by index, as a file may hold
// many thousands of sizes.
std::vector<SizeGroup> GroupBySize(const std::vector<XcursorImage>& images) {
  std::vector<SizeGroup> groups;
  std::unordered_map<std::uint32_t, std::size_t> index;
  for (const XcursorImage& x : images) {
    const auto [it, added] = index.try_emplace(x.nominalSize, groups.size());
    if (added) groups.push_back(SizeGroup{x.nominalSize, {}});
    groups[it->second].images.push_back(&x);
  }
  return groups;
}

// Keeps the sizes that have the most images (the whole animation), at most
// one frame's worth of them.
std::vector<SizeGroup> KeepFullSizes(std::vector<SizeGroup> groups, std::vector<texts::Failure>& notes) {
  std::size_t frames = 0;
  for (const SizeGroup& g : groups) frames = std::max(frames, g.images.size());
  std::vector<SizeGroup> kept;
  for (SizeGroup& g : groups) {
    if (g.images.size() != frames) {
      notes.push_back({texts::Fail::kSizeImageCountDiffers,
                       {std::to_string(g.size), std::to_string(g.images.size()), std::to_string(frames)}});
    } else if (kept.size() == document::kMaxImages) {
      notes.push_back({texts::Fail::kSizeBeyondFrame, {std::to_string(g.size), std::to_string(document::kMaxImages)}});
    } else {
      kept.push_back(std::move(g));
    }
  }
  return kept;
}

}  // namespace

std::uint32_t JiffiesToMs(std::uint32_t jiffies) {
  // Held at the largest delay a file can say rather than wrapped to a short one.
  return static_cast<std::uint32_t>(
      std::min<std::uint64_t>(std::uint64_t{jiffies} * 1000 / kJiffiesPerSecond, 0xFFFFFFFFu));
}

std::uint32_t MsToJiffies(std::uint32_t ms) {
  return static_cast<std::uint32_t>(std::max<std::uint64_t>(1, (std::uint64_t{ms} * kJiffiesPerSecond + 500) / 1000));
}

texts::Result<std::vector<XcursorImage>> XcursorImagesOf(const AnimatedCursor& cursor,
                                                         std::vector<texts::Failure>& notes) {
  if (auto problem = cursor.Problem()) return *std::move(problem);
  FramesView view;
  for (const auto& f : cursor.frames) view.frames.push_back(f.get());
  view.steps = cursor.steps;
  return ImagesOf(view, notes);
}

texts::Result<std::vector<XcursorImage>> XcursorImagesOf(const document::TKvIcon& icon,
                                                         std::vector<texts::Failure>& notes) {
  if (icon.ImageCount() == 0) return texts::Failure{texts::Fail::kNoImages};
  return ImagesOf(FramesView{{&icon}, {AnimationStep{0, 0}}}, notes);
}

texts::Result<void> WriteXcursorFile(std::span<const XcursorImage> images, const std::string& fileName) {
  const auto bytes = EncodeXcursor(images);
  if (!bytes) return texts::Failure{texts::Fail::kXcursorImagesTooLarge};
  texts::Result<void> written = document::WriteFileAtomically(fileName, *bytes);
  if (written) return {};
  return texts::Within(texts::Fail::kCannotWriteBecause, {fileName}, written.error());
}

texts::Result<AnimatedCursor> ReadXcursorMemory(std::span<const std::uint8_t> bytes, const std::string&,
                                                std::vector<texts::Failure>* notes) {
  const auto images = DecodeXcursor(bytes);
  if (!images) return Converting(images.error());
  if (images->empty()) return Converting(texts::Fail::kNoImages);
  std::vector<texts::Failure> ignored;
  const std::vector<SizeGroup> groups = KeepFullSizes(GroupBySize(*images), notes != nullptr ? *notes : ignored);
  const std::size_t frames = groups.front().images.size();
  if (frames > kMaxFrames) return Converting({texts::Fail::kFrameCount, {std::to_string(frames)}});
  AnimatedCursor cursor;
  for (std::size_t f = 0; f < frames; ++f) {
    auto frame = std::make_unique<document::TKvIcon>();
    frame->SetIcon(false);
    for (const SizeGroup& g : groups) {
      const ArgbImage& image = g.images[f]->image;
      if (!AddPremultipliedArgb(*frame, image)) {
        return Converting(
            {texts::Fail::kXcursorImageTooLarge,
             {std::to_string(g.size), std::to_string(f), std::to_string(image.width), std::to_string(image.height)}});
      }
    }
    cursor.frames.push_back(std::move(frame));
    cursor.steps.push_back({static_cast<std::uint32_t>(f), MsToJiffies(groups.front().images[f]->delayMs)});
  }
  return cursor;
}

texts::Result<AnimatedCursor> ReadXcursorFile(const std::string& fileName, std::vector<texts::Failure>* notes) {
  const auto bytes = document::ReadWholeFile(fileName);
  if (!bytes) return texts::Failure{texts::Fail::kCannotOpenFile};
  return ReadXcursorMemory(*bytes, fileName, notes);
}

}  // namespace pixmint::formats
