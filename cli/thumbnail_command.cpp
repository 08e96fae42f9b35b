// pixmint-cli thumbnail: the picture a file manager shows for an icon, a
// cursor, an animated cursor or a Windows program, called through the
// freedesktop thumbnailer entry as "thumbnail %i %o %s".
#include <algorithm>
#include <memory>

#include "cli/cli_command.h"
#include "cli/cli_support.h"
#include "cli/image_rgba.h"
#include "cli/program_support.h"
#include "convert/resample.h"
#include "document/file_io.h"
#include "document/png_codec.h"

namespace pixmint::cli {
namespace {

// File managers ask for 128, 256, 512 and at most 1024 pixels.
constexpr int kMaxThumbnailSide = 1024;

// The document whose image stands for the file: the icon or cursor itself,
// the first frame an animated cursor shows, a program's first icon group
// (its own icon), else its first cursor group.
std::unique_ptr<document::TKvIcon> LoadShownDocument(const std::string& path, std::string& error) {
  auto icon = std::make_unique<document::TKvIcon>();
  const formats::FileFormat* format = InputFormat(path);
  const formats::Holds holds = format != nullptr ? format->holds : formats::Holds::kIcon;
  if (holds == formats::Holds::kIconGroups) {
    const auto program = LoadProgram(path, error);
    if (!program) return nullptr;
    const auto& groups = program->Groups();
    auto group = std::find_if(groups.begin(), groups.end(),
                              [](const formats::IconGroup& g) { return g.kind == formats::GroupKind::kIcon; });
    if (group == groups.end()) group = groups.begin();
    if (group == groups.end()) {
      error = path + ": the program holds no icons or cursors";
      return nullptr;
    }
    std::vector<std::uint8_t> bytes;
    if (const auto read = ReadGroup(*program, *group, *icon, bytes); !read) {
      error = path + ": " + GroupTitle(*group) + ": " + texts::EnglishMessage(read.error());
      return nullptr;
    }
    return icon;
  }
  if (holds == formats::Holds::kIcon || holds == formats::Holds::kCursor) {
    if (!LoadDocument(path, format, *icon, error)) return nullptr;
    return icon;
  }
  std::vector<std::string> notes;
  auto cursor = LoadAnyCursor(path, notes, error);
  if (!cursor) return nullptr;
  const std::size_t first = cursor->steps.empty() ? 0 : cursor->steps.front().frame;
  if (first >= cursor->frames.size() || !cursor->frames[first]) {
    error = path + ": the animation shows no frame";
    return nullptr;
  }
  return std::move(cursor->frames[first]);
}

// The image that best fits a square of side pixels: the smallest one that
// fills it (shrinking loses less than enlarging), else the largest; among
// images of one size the deepest.
std::optional<std::uint32_t> BestImage(const document::TKvIcon& icon, int side) {
  std::optional<std::uint32_t> best;
  int bestSide = 0;
  std::uint32_t bestDepth = 0;
  for (std::uint32_t i = 0; i < icon.ImageCount(); ++i) {
    const document::ImageSurface* colour = icon.XorBitmap(i);
    if (colour == nullptr || icon.AndBitmap(i) == nullptr) continue;
    const int longer = std::max(colour->Width(), colour->Height());
    const std::uint32_t depth = colour->BitCount();
    bool better = !best;
    if (best && longer != bestSide) {
      const bool fills = longer >= side;
      const bool bestFills = bestSide >= side;
      better = fills != bestFills ? fills : (fills ? longer < bestSide : longer > bestSide);
    } else if (best) {
      better = depth > bestDepth;
    }
    if (better) {
      best = i;
      bestSide = longer;
      bestDepth = depth;
    }
  }
  return best;
}

// The picture shrunk by a whole factor: each pixel the average of a
// factor x factor block, colours weighted by their alpha so that clear
// pixels lend no colour. The usual case (256 pixels to 128) costs a small
// part of a windowed filter, which a halving does not need.
convert::Rgba ShrinkByWhole(const convert::Rgba& picture, int factor) {
  convert::Rgba out{picture.width / factor, picture.height / factor, {}};
  out.pixels.resize(static_cast<std::size_t>(out.width) * out.height * 4);
  const std::size_t stride = static_cast<std::size_t>(picture.width) * 4;
  const std::uint32_t area = static_cast<std::uint32_t>(factor * factor);
  std::uint8_t* o = out.pixels.data();
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x, o += 4) {
      std::uint32_t sum[4] = {0, 0, 0, 0};
      for (int dy = 0; dy < factor; ++dy) {
        const std::uint8_t* p = picture.pixels.data() + (y * factor + dy) * stride + x * factor * 4;
        for (int dx = 0; dx < factor; ++dx, p += 4) {
          for (int k = 0; k < 3; ++k) sum[k] += p[k] * std::uint32_t{p[3]};
          sum[3] += p[3];
        }
      }
      for (int k = 0; k < 3; ++k) o[k] = sum[3] == 0 ? 0 : static_cast<std::uint8_t>((sum[k] + sum[3] / 2) / sum[3]);
      o[3] = static_cast<std::uint8_t>((sum[3] + area / 2) / area);
    }
  }
  return out;
}

}  // namespace

int RunThumbnail(std::span<const std::string> args) {
  if (args.size() != 3) return Fail(kExitUsage, "usage: pixmint-cli thumbnail IN OUT.png SIZE");
  const auto side = ParseNumber(args[2]);
  if (!side || *side < 1 || *side > kMaxThumbnailSide) {
    return Fail(kExitUsage, "SIZE must be a whole number from 1 to " + std::to_string(kMaxThumbnailSide));
  }
  const std::string& in = args[0];
  const std::string& out = args[1];
  std::string error;
  const auto icon = LoadShownDocument(in, error);
  if (!icon) return Fail(kExitFailure, error);
  const auto chosen = BestImage(*icon, *side);
  if (!chosen) return Fail(kExitFailure, in + ": no image to show");
  const document::ImageSurface& colour = *icon->XorBitmap(*chosen);
  if (icon->FileType() == document::kTypeCursor) icon->SetIcon(false);
  // A thumbnail cannot invert what lies under it; it shows those pixels in
  // the editor's own marker colour, so a cursor drawn only with them (a text
  // beam) still has a shape on light and dark backgrounds alike.
  convert::Rgba picture{colour.Width(), colour.Height(), ImageRgba(*icon, *chosen, raster::MarkerColours{}.invert)};
  // Shrunk to fit, never enlarged: a blurred enlargement of pixel art shows
  // nothing more, and file managers show small pictures at their own size.
  const int longer = std::max(picture.width, picture.height);
  if (longer > *side) {
    const auto scaled = [&](int length) { return std::max(1, (length * *side + longer / 2) / longer); };
    const int factor = longer / *side;
    if (longer % *side == 0 && picture.width % factor == 0 && picture.height % factor == 0) {
      picture = ShrinkByWhole(picture, factor);
    } else {
      picture = convert::Resampler(picture).Resize(scaled(picture.width), scaled(picture.height));
    }
  }
  const auto png = document::EncodePng32(picture.width, picture.height, picture.pixels, document::ChannelOrder::kRgba);
  if (!png) return Fail(kExitFailure, "cannot encode the thumbnail");
  if (const auto written = document::WriteFileAtomically(out, *png); !written) {
    return Fail(kExitFailure, "cannot write " + out + ": " + texts::EnglishMessage(written.error()));
  }
  return kExitOk;
}

}  // namespace pixmint::cli
