#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_support.h"
#include "document/file_io.h"
#include "document/ico_writer.h"
#include "document/png_codec.h"
#include "formats/ani_file.h"

namespace pixmint::cli {

namespace {

constexpr int kMinSide = 8;
constexpr int kMaxSide = 256;
struct PictureSpec {
  std::string path;
  int bitCount = 32;
  std::optional<raster::Point> hotSpot;
};

// "PNG[:BPP][@X,Y]". A suffix that does not have the shape of a depth or a
// hot spot stays part of the file name.
std::optional<PictureSpec> ParseSpec(std::string_view arg) {
  PictureSpec spec;
  if (const auto at = arg.rfind('@'); at != std::string_view::npos) {
    const std::string_view tail = arg.substr(at + 1);
    const auto comma = tail.find(',');
    if (comma != std::string_view::npos) {
      const auto x = ParseNumber(tail.substr(0, comma));
      const auto y = ParseNumber(tail.substr(comma + 1));
      if (!x || !y) return std::nullopt;
      spec.hotSpot = raster::Point{*x, *y};
      arg = arg.substr(0, at);
    }
  }
  if (const auto colon = arg.rfind(':'); colon != std::string_view::npos) {
    if (const auto bits = ParseNumber(arg.substr(colon + 1))) {
      if (!document::IsValidBitCount(static_cast<std::uint32_t>(*bits))) return std::nullopt;
      spec.bitCount = *bits;
      arg = arg.substr(0, colon);
    }
  }
  if (arg.empty()) return std::nullopt;
  spec.path = arg;
  return spec;
}

// Stores the picture into image i in its depth. 32 bits keep the alpha
// (alpha 0 sets the mask and clears the colour); other depths take alpha
// below 128 as transparent (black colour, mask set).
void FillImage(document::TKvIcon& icon, std::uint32_t i, const document::Image32& rgba) {
  document::ImageSurface& colour = *icon.XorBitmap(i);
  document::MaskSurface& mask = *icon.AndBitmap(i);
  const bool keepAlpha = colour.BitCount() == 32;
  const std::uint8_t* p = rgba.pixels.data();
  for (int y = 0; y < rgba.height; ++y) {
    // 32-bit rows and mask rows are written directly: blue, green, red,
    // alpha, and one bit per pixel (most significant first), bottom-up.
    std::uint8_t* row = keepAlpha ? colour.Bits().data() + (rgba.height - 1 - y) * colour.Stride() : nullptr;
    std::uint8_t* maskRow = mask.Bits().data() + (rgba.height - 1 - y) * mask.Stride();
    std::fill_n(maskRow, mask.Stride(), std::uint8_t{0});
    for (int x = 0; x < rgba.width; ++x, p += 4) {
      const bool transparent = keepAlpha ? p[3] == 0 : p[3] < 128;
      if (transparent) maskRow[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      if (keepAlpha) {
        const std::uint8_t bgra[4] = {p[2], p[1], p[0], p[3]};
        for (int k = 0; k < 4; ++k) row[4 * x + k] = transparent ? 0 : bgra[k];
      } else {
        colour.SetPixel(x, y, transparent ? raster::Rgb(0, 0, 0) : raster::Rgb(p[0], p[1], p[2]));
      }
    }
  }
}

// True when no fully transparent pixel has a colour: then the picture's own
// PNG shows exactly what FillImage stores.
bool ClearWhereTransparent(const document::Image32& rgba) {
  const std::uint8_t* p = rgba.pixels.data();
  for (std::size_t i = 0; i < rgba.pixels.size(); i += 4) {
    if (p[i + 3] == 0 && (p[i] | p[i + 1] | p[i + 2]) != 0) return false;
  }
  return true;
}

// Appends one picture to the document; answers an empty string or the reason.
// When the image is to be stored as PNG and the picture's own PNG shows it
// exactly, ready receives that PNG (without its colour and text chunks), to
// be written as it is: faster than encoding it again, and as small as the
// program that made it could make it.
std::string AddPicture(document::TKvIcon& icon, const PictureSpec& spec, document::ReadyPngBlocks* ready = nullptr) {
  const auto bytes = document::ReadWholeFile(spec.path);
  if (!bytes) return "cannot read " + spec.path;
  // The size is checked before decoding, so a huge picture costs nothing.
  const auto size = document::PngDimensions(*bytes);
  if (!size) return spec.path + ": not a PNG picture";
  const auto [width, height] = *size;
  if (width < kMinSide || width > kMaxSide || height < kMinSide || height > kMaxSide) {
    return spec.path + ": " + std::to_string(width) + "x" + std::to_string(height) + " is outside 8 to 256 pixels";
  }
  // Large 32-bit images go PNG-compressed; other depths stay bitmaps, which
  // keep their depth when the file is read again. A plain RGBA picture for
  // such an image is decoded while it is checked for copying.
  const bool pngEntry = spec.bitCount == 32 && (width == kMaxSide || height == kMaxSide);
  std::optional<std::vector<std::uint8_t>> plain;
  std::optional<document::Image32> rgba;
  if (pngEntry) {
    document::Image32 pixels;
    plain = document::PlainRgbaPng(*bytes, width, height, &pixels);
    if (plain) rgba = std::move(pixels);
  }
  if (!rgba) {
    auto png = document::DecodePng(*bytes, document::ChannelOrder::kRgba, kMaxSide);
    if (!png) return spec.path + ": " + texts::EnglishMessage(png.error());
    rgba = *std::move(png);
  }
  if (spec.hotSpot && (spec.hotSpot->x >= rgba->width || spec.hotSpot->y >= rgba->height)) {
    return spec.path + ": hot spot outside the picture";
  }
  // 8 bits take a table of the picture's own colours, made from a 24-bit image.
  const int buildDepth = spec.bitCount == 8 ? 24 : spec.bitCount;
  if (!icon.AddImage(rgba->width, rgba->height, buildDepth)) return spec.path + ": cannot add the image";
  const std::uint32_t i = icon.ImageCount() - 1;
  FillImage(icon, i, *rgba);
  if (spec.bitCount == 8 && !icon.ChangeFormat(i, rgba->width, rgba->height, 8)) {
    return spec.path + ": cannot reduce the image to 8 bits";
  }
  if (spec.hotSpot) icon.SetHotSpot(i, *spec.hotSpot);
  if (pngEntry) {
    icon.SetPngCompressed(i, true);
    if (ready != nullptr && plain && ClearWhereTransparent(*rgba)) {
      ready->resize(i + 1);
      (*ready)[i] = std::move(*plain);
    }
  }
  return {};
}

// The arguments without "--rate N"; rate receives N (1 or more).
std::optional<std::vector<std::string>> TakeRate(std::span<const std::string> args, std::optional<int>& rate,
                                                 std::string& error) {
  std::vector<std::string> rest;
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (args[k] != "--rate") {
      rest.push_back(args[k]);
      continue;
    }
    rate = k + 1 < args.size() ? ParseNumber(args[k + 1]) : std::nullopt;
    if (!rate || *rate == 0) {
      error = "--rate needs a whole number of jiffies (1/60 s), 1 or more";
      return std::nullopt;
    }
    ++k;
  }
  return rest;
}

// Each picture becomes a frame of one image, every step showing for rate jiffies.
int CreateAnimated(const std::string& out, const std::vector<PictureSpec>& specs, int rate) {
  formats::AnimatedCursor cursor;
  for (const PictureSpec& spec : specs) {
    auto frame = std::make_unique<document::TKvIcon>();
    frame->SetIcon(false);
    if (const std::string error = AddPicture(*frame, spec); !error.empty()) return Fail(kExitFailure, error);
    cursor.frames.push_back(std::move(frame));
  }
  cursor.PlayFramesInOrder(static_cast<std::uint32_t>(rate));
  if (const auto written = formats::WriteAniFile(cursor, out); !written) {
    return Fail(kExitFailure, "cannot write " + out + ": " + texts::EnglishMessage(written.error()));
  }
  return kExitOk;
}

}  // namespace

int RunCreate(std::span<const std::string> all) {
  static constexpr std::string_view kUsage =
      "usage: pixmint-cli create OUT.ico|OUT.cur|OUT.ani PNG[:BPP][@X,Y] ... [--rate N]";
  std::optional<int> rate;
  std::string error;
  const auto args = TakeRate(all, rate, error);
  if (!args) return Fail(kExitUsage, error);
  if (args->size() < 2) return Fail(kExitUsage, kUsage);
  const std::string& out = (*args)[0];
  const bool animated = HasExtension(out, ".ani");
  const bool cursor = animated || HasExtension(out, ".cur");
  if (!cursor && !HasExtension(out, ".ico")) return Fail(kExitUsage, "the output must end in .ico, .cur or .ani");
  if (rate && !animated) return Fail(kExitUsage, "--rate belongs to animated cursors (.ani)");
  if (!animated && args->size() - 1 > document::kMaxImages) return Fail(kExitUsage, "an icon holds at most 32 images");
  if (animated && args->size() - 1 > formats::kMaxFrames) {
    return Fail(kExitUsage, "an animated cursor holds at most " + std::to_string(formats::kMaxFrames) + " frames");
  }
  std::vector<PictureSpec> specs;
  for (const std::string& arg : std::span(*args).subspan(1)) {
    auto spec = ParseSpec(arg);
    if (!spec) return Fail(kExitUsage, "bad picture argument '" + arg + "'; " + std::string(kUsage.substr(7)));
    if (spec->hotSpot && !cursor) return Fail(kExitUsage, "hot spots belong to cursor images (.cur, .ani)");
    specs.push_back(std::move(*spec));
  }
  if (animated) return CreateAnimated(out, specs, rate.value_or(static_cast<int>(formats::kDefaultJiffies)));
  document::TKvIcon icon;
  icon.SetIcon(!cursor);
  document::ReadyPngBlocks ready;
  for (const PictureSpec& spec : specs) {
    if (const std::string failure = AddPicture(icon, spec, &ready); !failure.empty()) {
      return Fail(kExitFailure, failure);
    }
  }
  const auto bytes = document::WriteIconMemory(icon, ready);
  if (!bytes) return Fail(kExitFailure, "cannot write " + out + ": cannot encode an image");
  if (const auto saved = document::WriteFileAtomically(out, *bytes); !saved) {
    return Fail(kExitFailure, "cannot write " + out + ": " + texts::EnglishMessage(saved.error()));
  }
  return kExitOk;
}

}  // namespace pixmint::cli
