#include "convert/master.h"

#include <zlib.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "convert/cursor_scale.h"
#include "document/bmp_codec.h"
#include "document/file_io.h"
#include "document/jpeg_codec.h"
#include "document/limits.h"

namespace pixmint::convert {
namespace {

constexpr std::size_t kSvgSniffBytes = 4096;

bool EndsWithNoCase(std::string_view s, std::string_view tail) {
  if (s.size() < tail.size()) return false;
  return std::equal(tail.begin(), tail.end(), s.end() - static_cast<std::ptrdiff_t>(tail.size()),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

bool IsGzip(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 2 && bytes[0] == 0x1F && bytes[1] == 0x8B;
}

// An .svgz inflated here, within the limit, before the SVG renderer sees it:
// the renderer would inflate any amount. A failure beyond the limit or for
// damaged data.
texts::Result<std::vector<std::uint8_t>> InflateSvgz(std::span<const std::uint8_t> bytes) {
  using texts::Fail;
  z_stream z{};
  // 16 + 15: a gzip wrapper around the largest window.
  if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK) return texts::Failure{Fail::kSvgCannotInflate};
  std::vector<std::uint8_t> out;
  std::uint8_t chunk[64 * 1024];
  z.next_in = const_cast<Bytef*>(bytes.data());  // zlib's interface is not const-correct
  z.avail_in = static_cast<uInt>(std::min<std::size_t>(bytes.size(), 0xFFFFFFFFu));
  int status = Z_OK;
  while (status == Z_OK) {
    z.next_out = chunk;
    z.avail_out = sizeof chunk;
    status = inflate(&z, Z_NO_FLUSH);
    const std::size_t produced = sizeof chunk - z.avail_out;
    if (out.size() + produced > document::kMaxSvgBytes) {
      inflateEnd(&z);
      return texts::Failure{Fail::kSvgInflatesTooMuch, {std::to_string(document::kMaxSvgBytes >> 20)}};
    }
    out.insert(out.end(), chunk, chunk + produced);
  }
  inflateEnd(&z);
  if (status != Z_STREAM_END) return texts::Failure{Fail::kDamagedSvgz};
  return out;
}

// The SVG text to hand the renderer, inflated and within the limit.
texts::Result<std::vector<std::uint8_t>> SvgText(std::span<const std::uint8_t> bytes) {
  if (!IsGzip(bytes)) {
    if (bytes.size() > document::kMaxSvgBytes) {
      return texts::Failure{texts::Fail::kSvgTooLarge, {std::to_string(document::kMaxSvgBytes >> 20)}};
    }
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
  }
  auto text = InflateSvgz(bytes);
  // Compressed twice: the renderer would inflate the inner layer unchecked.
  if (text && IsGzip(*text)) return texts::Failure{texts::Fail::kSvgCompressedTwice};
  return text;
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

texts::Result<Rgba> DecodeBitmap(PictureKind kind, std::span<const std::uint8_t> bytes) {
  if (kind == PictureKind::kPng) {
    auto image = document::DecodePng(bytes, document::ChannelOrder::kRgba, kMaxMasterSide);
    if (!image) return image.error();
    return *std::move(image);
  }
  if (kind == PictureKind::kJpeg) {
    auto jpeg = document::DecodeJpeg(bytes, kMaxMasterSide);
    if (!jpeg) return jpeg.error();
    return FromPicture(*jpeg);
  }
  const auto picture = document::DecodeBmp(bytes, kMaxMasterSide);
  if (!picture) return texts::Failure{texts::Fail::kNotBmp};
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
  if (IsGzip(bytes) && EndsWithNoCase(name, ".svgz")) {
    return PictureKind::kSvg;
  }
  if (LooksLikeSvgText(bytes)) return PictureKind::kSvg;
  return PictureKind::kUnknown;
}

texts::Result<Master> MasterFromBytes(std::span<const std::uint8_t> bytes, const std::string& name,
                                      const SvgLoader* svg) {
  const PictureKind kind = DetectPicture(bytes, name);
  if (kind == PictureKind::kUnknown) return texts::Failure{texts::Fail::kNotAPicture};
  if (kind == PictureKind::kSvg) {
    if (svg == nullptr) return texts::Failure{texts::Fail::kSvgNotBuilt};
    const auto text = SvgText(bytes);
    if (!text) return text.error();
    auto picture = svg->Load(*text);
    if (!picture) return picture.error();
    return Master(name, std::shared_ptr<const SvgPicture>(*std::move(picture)));
  }
  auto bitmap = DecodeBitmap(kind, bytes);
  if (!bitmap) return bitmap.error();
  return Master(name, *std::move(bitmap));
}

texts::Result<Master> LoadMaster(const std::filesystem::path& path, const SvgLoader* svg) {
  const auto bytes = document::ReadWholeFile(path);
  if (!bytes) return texts::Failure{texts::Fail::kCannotReadTheFile};
  return MasterFromBytes(*bytes, path.filename().string(), svg);
}

}  // namespace pixmint::convert
