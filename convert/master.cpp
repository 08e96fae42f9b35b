#include "convert/master.h"

#include <algorithm>
#include <string_view>

#include "convert/cursor_scale.h"
#include "document/bmp_codec.h"
#include "document/file_io.h"
#include "document/jpeg_codec.h"

namespace pixmint::convert {
namespace {

constexpr std::size_t kSvgSniffBytes = 4096;

bool EndsWithNoCase(std::string_view s, std::string_view tail) {
  if (s.size() < tail.size()) return false;
  return std::equal(tail.begin(), tail.end(), s.end() - static_cast<std::ptrdiff_t>(tail.size()),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

bool LooksLikeSvgText(std::span<const std::uint8_t> bytes) {
  const std::string_view head(reinterpret_cast<const char*>(bytes.data()), std::min(bytes.size(), kSvgSniffBytes));
  return head.find("<svg") != std::string_view::npos;
}

Rgba FromPicture(const raster::Picture& picture) {
  Rgba out{picture.Width(), picture.Height(), {}};
  out.pixels.resize(static_cast<std::size_t>(picture.Width()) * static_cast<std::size_t>(picture.Height()) * 4);
  std::uint8_t* p = out.pixels.data();
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x, p += 4) {
      const std::uint8_t* px = picture.At(x, y);
      p[0] = px[2];
      p[1] = px[1];
      p[2] = px[0];
      p[3] = px[3];
    }
  }
  return out;
}

std::optional<Rgba> DecodeBitmap(PictureKind kind, std::span<const std::uint8_t> bytes, std::string& why) {
  if (kind == PictureKind::kPng) {
    auto image = document::DecodePng(bytes, document::ChannelOrder::kRgba, kMaxMasterSide, &why);
    if (!image && why.empty()) why = "unreadable PNG picture";
    return image;
  }
  const auto picture = kind == PictureKind::kJpeg ? document::DecodeJpeg(bytes, kMaxMasterSide)
                                                  : document::DecodeBmp(bytes, kMaxMasterSide);
  if (!picture) {
    why = kind == PictureKind::kJpeg ? "unreadable JPEG picture or larger than 4096 pixels"
                                     : "not a 24-bit uncompressed BMP picture of at most 4096 pixels";
    return std::nullopt;
  }
  return FromPicture(*picture);
}

}  // namespace

Master::Master(std::string name, Rgba bitmap) : name_(std::move(name)), width_(bitmap.width), height_(bitmap.height) {
  bitmap_ = std::make_shared<const Resampler>(bitmap);
}

Master::Master(std::string name, std::shared_ptr<const SvgPicture> svg)
    : name_(std::move(name)), svg_(std::move(svg)), width_(svg_->Width()), height_(svg_->Height()) {}

std::optional<Rgba> Master::Square(int side, bool cursor) const {
  if (side < 1) return std::nullopt;
  if (bitmap_ && !cursor) return FitSquare(*bitmap_, side);
  const Placement at = FitPlacement(width_, height_, side);
  std::optional<Rgba> drawn;
  if (bitmap_) {
    const Rgba& source = bitmap_->Source();
    if (source.width == side && source.height == side) return source;
    drawn = Rgba{at.width, at.height, ResampleRgba(source.pixels, source.width, source.height, at.width, at.height)};
  } else {
    drawn = svg_->Render(at.width, at.height);
  }
  if (!drawn || drawn->width != at.width || drawn->height != at.height ||
      drawn->pixels.size() != static_cast<std::size_t>(at.width) * static_cast<std::size_t>(at.height) * 4) {
    return std::nullopt;
  }
  if (at.width == side && at.height == side) return drawn;
  Rgba out{side, side, std::vector<std::uint8_t>(static_cast<std::size_t>(side) * side * 4, 0)};
  for (int y = 0; y < at.height; ++y) {
    std::copy_n(drawn->pixels.data() + static_cast<std::size_t>(y) * at.width * 4,
                static_cast<std::size_t>(at.width) * 4,
                out.pixels.data() + (static_cast<std::size_t>(at.y + y) * side + at.x) * 4);
  }
  return out;
}

PictureKind DetectPicture(std::span<const std::uint8_t> bytes, const std::string& name) {
  if (document::HasPngSignature(bytes)) return PictureKind::kPng;
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) return PictureKind::kJpeg;
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return PictureKind::kBmp;
  if (bytes.size() >= 2 && bytes[0] == 0x1F && bytes[1] == 0x8B && EndsWithNoCase(name, ".svgz")) {
    return PictureKind::kSvg;
  }
  if (LooksLikeSvgText(bytes)) return PictureKind::kSvg;
  return PictureKind::kUnknown;
}

std::optional<Master> MasterFromBytes(std::span<const std::uint8_t> bytes, const std::string& name,
                                      const SvgLoader* svg, std::string& why) {
  const PictureKind kind = DetectPicture(bytes, name);
  if (kind == PictureKind::kUnknown) {
    why = "not a PNG, JPEG, BMP or SVG picture";
    return std::nullopt;
  }
  if (kind == PictureKind::kSvg) {
    if (svg == nullptr) {
      why = "SVG pictures need the Qt SVG module, which this build lacks";
      return std::nullopt;
    }
    std::shared_ptr<const SvgPicture> picture = svg->Load(bytes, why);
    if (!picture) return std::nullopt;
    return Master(name, std::move(picture));
  }
  auto bitmap = DecodeBitmap(kind, bytes, why);
  if (!bitmap) return std::nullopt;
  return Master(name, std::move(*bitmap));
}

std::optional<Master> LoadMaster(const std::filesystem::path& path, const SvgLoader* svg, std::string& why) {
  const auto bytes = document::ReadWholeFile(path);
  if (!bytes) {
    why = "cannot read the file";
    return std::nullopt;
  }
  return MasterFromBytes(*bytes, path.filename().string(), svg, why);
}

}  // namespace pixmint::convert
