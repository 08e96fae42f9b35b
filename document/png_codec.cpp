#include "document/png_codec.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csetjmp>
#include <cstring>

#include "document/file_io.h"

// libpng reports errors by longjmp. Every function below that calls setjmp
// keeps only trivially destructible locals between setjmp and the libpng
// calls; everything that owns memory lives in the caller, so a jump leaks
// nothing.

namespace pixmint::document {

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Text, ICC and other ancillary chunks above this are refused or dropped.
constexpr png_alloc_size_t kMaxChunkBytes = 8u * 1024 * 1024;
constexpr png_uint_32 kMaxCachedChunks = 256;
// A zlib check value and a chunk checksum: what a short entry may lack.
constexpr std::size_t kMaxMissingBytes = 8;

struct ErrorText {
  std::array<char, 160> text{};
};

void OnError(png_structp png, png_const_charp message) {
  auto* error = static_cast<ErrorText*>(png_get_error_ptr(png));
  if (error != nullptr && message != nullptr) {
    std::strncpy(error->text.data(), message, error->text.size() - 1);
  }
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

struct ReadCursor {
  std::span<const std::uint8_t> data;
  std::size_t pos = 0;
  // Row reads that completed, and how many the picture needs (rows times
  // interlace passes); kept here because a longjmp loses locals.
  std::uint64_t rowsRead = 0;
  std::uint64_t rowsNeeded = 0;
  bool repaired = false;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
  auto* cursor = static_cast<ReadCursor*>(png_get_io_ptr(png));
  if (count > cursor->data.size() - cursor->pos) png_error(png, "PNG data ends early");
  std::memcpy(out, cursor->data.data() + cursor->pos, count);
  cursor->pos += count;
}

// Owns a libpng read structure and its info structure.
class PngHandle {
 public:
  explicit PngHandle(ErrorText* error) {
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, error, OnError, OnWarning);
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
  }
  ~PngHandle() {
    if (png_ != nullptr) png_destroy_read_struct(&png_, info_ != nullptr ? &info_ : nullptr, nullptr);
  }
  PngHandle(const PngHandle&) = delete;
  PngHandle& operator=(const PngHandle&) = delete;
  [[nodiscard]] bool Valid() const { return png_ != nullptr && info_ != nullptr; }
  [[nodiscard]] png_structp Png() const { return png_; }
  [[nodiscard]] png_infop Info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

// Whatever the PNG holds becomes 8-bit channels with alpha. Answers the
// number of interlace passes.
int SetReadTransformations(png_structp png, png_infop info, ChannelOrder order) {
  const png_byte colourType = png_get_color_type(png, info);
  png_set_expand(png);  // palette to RGB, grey below 8 bits to 8, tRNS to alpha
  if (png_get_bit_depth(png, info) == 16) png_set_scale_16(png);
  if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  if ((colourType & PNG_COLOR_MASK_ALPHA) == 0 && !png_get_valid(png, info, PNG_INFO_tRNS)) {
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  }
  if (order == ChannelOrder::kBgra) png_set_bgr(png);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  return passes;
}

bool RunDecode(const PngHandle& h, ReadCursor& cursor, std::uint32_t maxSide, ChannelOrder order, Image32& out,
               std::vector<png_bytep>& rows) {
  png_structp png = h.Png();
  png_infop info = h.Info();
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_user_limits(png, maxSide, maxSide);
  png_set_chunk_cache_max(png, kMaxCachedChunks);
  png_set_chunk_malloc_max(png, kMaxChunkBytes);
  png_set_read_fn(png, &cursor, ReadFromMemory);
  // A repaired entry has lost the zlib check value; the chunk checksums
  // still guard its data.
  if (cursor.repaired) png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
  png_read_info(png, info);
  const int passes = SetReadTransformations(png, info, order);
  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  if (png_get_rowbytes(png, info) != static_cast<png_size_t>(width) * 4) png_error(png, "unexpected PNG row size");
  out.width = static_cast<int>(width);
  out.height = static_cast<int>(height);
  out.pixels.assign(static_cast<std::size_t>(width) * height * 4, 0);
  rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = out.pixels.data() + static_cast<std::size_t>(y) * width * 4;
  cursor.rowsNeeded = static_cast<std::uint64_t>(passes) * height;
  for (int pass = 0; pass < passes; ++pass) {
    for (png_uint_32 y = 0; y < height; ++y) {
      png_read_row(png, rows[y], nullptr);
      ++cursor.rowsRead;
    }
  }
  // The trailing chunks are not read: once the pixels are complete, a
  // missing IEND or a damaged comment after them costs the user nothing.
  return true;
}

std::uint32_t Be32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

void AppendChunk(std::vector<std::uint8_t>& out, const char* type, std::span<const std::uint8_t> body) {
  const auto length = static_cast<std::uint32_t>(body.size());
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(length >> shift));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), body.begin(), body.end());
  uLong crc = crc32(0, out.data() + typeAt, static_cast<uInt>(4 + body.size()));
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(crc >> shift));
}

// When data ends at most kMaxMissingBytes short inside an IDAT chunk: the
// same PNG with that chunk cut to what is there, a chunk of zeros standing in
// for the lost check value, and IEND. Otherwise nothing.
std::optional<std::vector<std::uint8_t>> RepairShortPng(std::span<const std::uint8_t> data) {
  std::size_t pos = kSignature.size();
  while (pos + 8 <= data.size()) {
    const std::uint64_t length = Be32(&data[pos]);
    const std::uint64_t end = pos + 12 + length;
    if (end <= data.size()) {
      pos = static_cast<std::size_t>(end);
      continue;
    }
    if (std::memcmp(&data[pos + 4], "IDAT", 4) != 0 || end - data.size() > kMaxMissingBytes) return std::nullopt;
    const std::size_t kept = std::min<std::size_t>(length, data.size() - pos - 8);
    std::vector<std::uint8_t> out(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(pos));
    AppendChunk(out, "IDAT", data.subspan(pos + 8, kept));
    const std::array<std::uint8_t, 4> zeros{};
    AppendChunk(out, "IDAT", zeros);
    AppendChunk(out, "IEND", {});
    return out;
  }
  return std::nullopt;
}

// The length of data up to the first chunk that claims more bytes than
// follow it. libpng allocates a chunk's declared length before reading it,
// so a lying length would cost memory far beyond the file's size.
std::size_t WholeChunksLength(std::span<const std::uint8_t> data) {
  std::size_t pos = kSignature.size();
  while (pos + 12 <= data.size()) {
    const std::uint64_t end = pos + std::uint64_t{12} + Be32(&data[pos]);
    if (end > data.size()) break;
    pos = static_cast<std::size_t>(end);
  }
  return pos;
}

texts::Result<Image32> DecodeOnce(std::span<const std::uint8_t> data, ChannelOrder order, std::uint32_t maxSide,
                                  bool repaired) {
  data = data.first(WholeChunksLength(data));
  ErrorText error;
  PngHandle handle(&error);
  if (!handle.Valid()) return texts::Failure{texts::Fail::kOutOfMemory};
  ReadCursor cursor{data, 0};
  cursor.repaired = repaired;
  Image32 image;
  std::vector<png_bytep> rows;
  // A complaint after the last row (a missing IEND, a damaged trailing
  // chunk) costs the picture nothing.
  if (!RunDecode(handle, cursor, maxSide, order, image, rows) &&
      (cursor.rowsNeeded == 0 || cursor.rowsRead != cursor.rowsNeeded)) {
    if (error.text[0] == '\0') return texts::Failure{texts::Fail::kDamagedPng};
    return texts::Failure{texts::Fail::kPngSays, {error.text.data()}};
  }
  return image;
}

}  // namespace

bool HasPngSignature(std::span<const std::uint8_t> data) {
  return data.size() >= kSignature.size() && std::equal(kSignature.begin(), kSignature.end(), data.begin());
}

std::optional<std::pair<std::uint32_t, std::uint32_t>> PngDimensions(std::span<const std::uint8_t> data) {
  // Signature, then the IHDR chunk: length, "IHDR", width, height.
  if (!HasPngSignature(data) || data.size() < 24 || std::memcmp(&data[12], "IHDR", 4) != 0) return std::nullopt;
  return std::pair{Be32(&data[16]), Be32(&data[20])};
}

texts::Result<Image32> DecodePng(std::span<const std::uint8_t> data, ChannelOrder order, std::uint32_t maxSide) {
  if (!HasPngSignature(data)) return texts::Failure{texts::Fail::kNotPng};
  if (maxSide == 0) return texts::Failure{texts::Fail::kPngTooLarge};
  auto image = DecodeOnce(data, order, maxSide, false);
  if (image) return image;
  // Some programs end an icon's PNG entry a few bytes early, inside the
  // last image data chunk; the rows are all there, so the picture is kept.
  if (const auto repaired = RepairShortPng(data)) {
    auto again = DecodeOnce(*repaired, order, maxSide, true);
    if (again) return again;
    return again.error();
  }
  return image.error();
}

std::optional<std::vector<std::uint8_t>> EncodePng(const raster::Picture& picture) {
  if (picture.Empty()) return std::nullopt;
  // The picture's rows are already blue, green, red, alpha.
  return EncodePng32(picture.Width(), picture.Height(), picture.Bytes(), ChannelOrder::kBgra);
}

texts::Result<void> SavePngFile(const std::filesystem::path& path, const raster::Picture& picture) {
  const auto bytes = EncodePng(picture);
  if (!bytes) return texts::Failure{texts::Fail::kCannotEncodePicture};
  return WriteFileAtomically(path, *bytes);
}

}  // namespace pixmint::document
