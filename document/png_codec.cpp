#include "document/png_codec.h"

#include <png.h>

#include <algorithm>
#include <array>
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
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
  auto* cursor = static_cast<ReadCursor*>(png_get_io_ptr(png));
  if (count > cursor->data.size() - cursor->pos) png_error(png, "PNG data ends early");
  std::memcpy(out, cursor->data.data() + cursor->pos, count);
  cursor->pos += count;
}

void WriteToMemory(png_structp png, png_bytep in, png_size_t count) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  try {
    out->insert(out->end(), in, in + count);
  } catch (...) {
    png_error(png, "out of memory");
  }
}

void FlushNothing(png_structp) {}

// Owns a libpng read or write structure and its info structure.
class PngHandle {
 public:
  PngHandle(bool reading, ErrorText* error) : reading_(reading) {
    png_ = reading ? png_create_read_struct(PNG_LIBPNG_VER_STRING, error, OnError, OnWarning)
                   : png_create_write_struct(PNG_LIBPNG_VER_STRING, error, OnError, OnWarning);
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
  }
  ~PngHandle() {
    if (png_ == nullptr) return;
    if (reading_) {
      png_destroy_read_struct(&png_, info_ != nullptr ? &info_ : nullptr, nullptr);
    } else {
      png_destroy_write_struct(&png_, info_ != nullptr ? &info_ : nullptr);
    }
  }
  PngHandle(const PngHandle&) = delete;
  PngHandle& operator=(const PngHandle&) = delete;
  [[nodiscard]] bool Valid() const { return png_ != nullptr && info_ != nullptr; }
  [[nodiscard]] png_structp Png() const { return png_; }
  [[nodiscard]] png_infop Info() const { return info_; }

 private:
  bool reading_;
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

// Whatever the PNG holds becomes 8-bit channels with alpha.
void SetReadTransformations(png_structp png, png_infop info, ChannelOrder order) {
  const png_byte colourType = png_get_color_type(png, info);
  png_set_expand(png);  // palette to RGB, grey below 8 bits to 8, tRNS to alpha
  if (png_get_bit_depth(png, info) == 16) png_set_scale_16(png);
  if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  if ((colourType & PNG_COLOR_MASK_ALPHA) == 0 && !png_get_valid(png, info, PNG_INFO_tRNS)) {
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  }
  if (order == ChannelOrder::kBgra) png_set_bgr(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
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
  png_read_info(png, info);
  SetReadTransformations(png, info, order);
  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  if (png_get_rowbytes(png, info) != static_cast<png_size_t>(width) * 4) png_error(png, "unexpected PNG row size");
  out.width = static_cast<int>(width);
  out.height = static_cast<int>(height);
  out.pixels.assign(static_cast<std::size_t>(width) * height * 4, 0);
  rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = out.pixels.data() + static_cast<std::size_t>(y) * width * 4;
  png_read_image(png, rows.data());
  // The trailing chunks are not read: once the pixels are complete, a
  // missing IEND or a damaged comment after them costs the user nothing.
  return true;
}

bool RunEncode(const PngHandle& h, int width, int height, std::vector<std::uint8_t>& out,
               const std::vector<png_bytep>& rows, ChannelOrder order) {
  png_structp png = h.Png();
  png_infop info = h.Info();
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, &out, WriteToMemory, FlushNothing);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  if (order == ChannelOrder::kBgra) png_set_bgr(png);
  png_write_image(png, const_cast<png_bytepp>(rows.data()));
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

bool HasPngSignature(std::span<const std::uint8_t> data) {
  return data.size() >= kSignature.size() && std::equal(kSignature.begin(), kSignature.end(), data.begin());
}

std::optional<Image32> DecodePng(std::span<const std::uint8_t> data, ChannelOrder order, std::uint32_t maxSide,
                                 std::string* why) {
  auto fail = [why](const char* reason) -> std::optional<Image32> {
    if (why != nullptr) *why = reason;
    return std::nullopt;
  };
  if (!HasPngSignature(data)) return fail("not a PNG picture");
  if (maxSide == 0) return fail("PNG picture too large");
  ErrorText error;
  PngHandle handle(true, &error);
  if (!handle.Valid()) return fail("out of memory");
  ReadCursor cursor{data, 0};
  Image32 image;
  std::vector<png_bytep> rows;
  if (!RunDecode(handle, cursor, maxSide, order, image, rows)) {
    return fail(error.text[0] != '\0' ? error.text.data() : "damaged PNG picture");
  }
  return image;
}

std::optional<std::vector<std::uint8_t>> EncodePng32(int width, int height, std::span<const std::uint8_t> pixels,
                                                     ChannelOrder order, bool bottomUp) {
  if (width < 1 || height < 1 || pixels.size() != static_cast<std::size_t>(width) * height * 4) return std::nullopt;
  ErrorText error;
  PngHandle handle(false, &error);
  if (!handle.Valid()) return std::nullopt;
  std::vector<png_bytep> rows(static_cast<std::size_t>(height));
  const std::size_t stride = static_cast<std::size_t>(width) * 4;
  for (int y = 0; y < height; ++y) {
    const int memoryRow = bottomUp ? height - 1 - y : y;
    // libpng only reads the rows; its interface is not const-correct.
    rows[static_cast<std::size_t>(y)] = const_cast<png_bytep>(pixels.data() + memoryRow * stride);
  }
  std::vector<std::uint8_t> out;
  if (!RunEncode(handle, width, height, out, rows, order)) return std::nullopt;
  return out;
}

std::optional<std::vector<std::uint8_t>> EncodePng(const raster::Picture& picture,
                                                   std::optional<raster::Colour> transparent) {
  if (picture.Empty()) return std::nullopt;
  std::vector<std::uint8_t> bgra(static_cast<std::size_t>(picture.Width()) * picture.Height() * 4);
  std::uint8_t* p = bgra.data();
  for (int y = 0; y < picture.Height(); ++y) {
    const std::uint8_t* row = picture.Row(y);
    for (int x = 0; x < picture.Width(); ++x, p += 4) {
      const std::uint8_t* px = row + x * 3;
      p[0] = px[0];
      p[1] = px[1];
      p[2] = px[2];
      const bool clear = transparent && raster::SameRgb(raster::Rgb(px[2], px[1], px[0]), *transparent);
      p[3] = clear ? 0 : 255;
    }
  }
  return EncodePng32(picture.Width(), picture.Height(), bgra, ChannelOrder::kBgra);
}

bool SavePngFile(const std::filesystem::path& path, const raster::Picture& picture,
                 std::optional<raster::Colour> transparent) {
  const auto bytes = EncodePng(picture, transparent);
  return bytes && WriteFileAtomically(path, *bytes);
}

}  // namespace pixmint::document
