#include "document/bmp_codec.h"

#include <cerrno>
#include <cstring>

#include "document/file_io.h"

namespace pixmint::document {

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;

void Put16(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::uint8_t* p, std::uint32_t v) {
  Put16(p, v);
  Put16(p + 2, v >> 16);
}
std::uint32_t Get16(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8);
}
std::uint32_t Get32(const std::uint8_t* p) {
  return Get16(p) | (Get16(p + 2) << 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const raster::Picture& picture) {
  if (picture.Empty()) return {};
  const int bits = picture.Opaque() ? 24 : 32;
  const std::size_t stride = static_cast<std::size_t>(((picture.Width() * bits + 31) >> 5) << 2);
  const std::size_t pixelBytes = stride * static_cast<std::size_t>(picture.Height());
  const std::size_t offset = kFileHeaderBytes + kInfoHeaderBytes;
  std::vector<std::uint8_t> out(offset + pixelBytes, 0);
  std::uint8_t* h = out.data();
  h[0] = 'B';
  h[1] = 'M';
  Put32(h + 2, static_cast<std::uint32_t>(out.size()));
  Put32(h + 10, static_cast<std::uint32_t>(offset));
  std::uint8_t* info = h + kFileHeaderBytes;
  Put32(info, kInfoHeaderBytes);
  Put32(info + 4, static_cast<std::uint32_t>(picture.Width()));
  Put32(info + 8, static_cast<std::uint32_t>(picture.Height()));
  Put16(info + 12, 1);
  Put16(info + 14, static_cast<std::uint32_t>(bits));
  Put32(info + 20, static_cast<std::uint32_t>(pixelBytes));
  // Rows bottom-up; padding stays zero.
  for (int y = 0; y < picture.Height(); ++y) {
    std::uint8_t* row = out.data() + offset + static_cast<std::size_t>(picture.Height() - 1 - y) * stride;
    if (bits == 32) {
      std::memcpy(row, picture.Row(y), stride);
      continue;
    }
    for (int x = 0; x < picture.Width(); ++x) std::memcpy(row + x * 3, picture.At(x, y), 3);
  }
  return out;
}

std::optional<raster::Picture> DecodeBmp(std::span<const std::uint8_t> data, int maxSide, BmpAlpha alpha) {
  if (data.size() < kFileHeaderBytes + kInfoHeaderBytes || data[0] != 'B' || data[1] != 'M') return std::nullopt;
  const std::uint8_t* info = data.data() + kFileHeaderBytes;
  const std::uint64_t pixelOffset = Get32(data.data() + 10);
  const std::uint64_t infoSize = Get32(info);
  const auto width = static_cast<std::int32_t>(Get32(info + 4));
  const auto rawHeight = static_cast<std::int32_t>(Get32(info + 8));
  const std::uint32_t bits = Get16(info + 14);
  if (infoSize < kInfoHeaderBytes || kFileHeaderBytes + infoSize > pixelOffset || Get16(info + 12) != 1 ||
      (bits != 24 && bits != 32) || Get32(info + 16) != 0) {
    return std::nullopt;
  }
  // A negative height marks top-down rows; INT32_MIN has no positive twin.
  const bool topDown = rawHeight < 0;
  const std::int64_t height = topDown ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
  if (width < 1 || width > maxSide || height < 1 || height > maxSide) return std::nullopt;
  const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bits + 31) >> 5) << 2;
  if (pixelOffset > data.size() || stride * static_cast<std::uint64_t>(height) > data.size() - pixelOffset) {
    return std::nullopt;
  }
  raster::Picture picture(width, static_cast<int>(height));
  bool anyAlpha = false;
  for (int y = 0; y < picture.Height(); ++y) {
    const std::uint64_t fileRow = topDown ? y : height - 1 - y;
    const std::uint8_t* in = data.data() + pixelOffset + fileRow * stride;
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = picture.At(x, y);
      std::memcpy(p, in + x * (bits / 8), bits / 8);
      if (bits == 24) p[3] = raster::kOpaque;
      anyAlpha = anyAlpha || p[3] != 0;
    }
  }
  // The fourth byte of a 32-bit file is alpha only where some pixel uses it;
  // many programs leave it 0 throughout, meaning an opaque picture.
  if (bits == 32 && !anyAlpha && alpha == BmpAlpha::kOpaqueWhenAllZero) {
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < width; ++x) picture.At(x, y)[3] = raster::kOpaque;
    }
  }
  return picture;
}

texts::Result<void> SaveBmpFile(const std::filesystem::path& path, const raster::Picture& picture) {
  const std::vector<std::uint8_t> bytes = EncodeBmp(picture);
  if (bytes.empty()) return texts::Failure{texts::Fail::kCannotEncodePicture};
  return WriteFileAtomically(path, bytes);
}

std::optional<raster::Picture> LoadBmpFile(const std::filesystem::path& path, int maxSide) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return DecodeBmp(*bytes, maxSide);
}

}  // namespace pixmint::document
