#include "document/jpeg_codec.h"

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

#include <string>

#include "document/file_io.h"

namespace pixmint::document {

namespace {

// The library's default error handler ends the process; this one jumps back.
struct ErrorManager {
  jpeg_error_mgr base{};
  std::jmp_buf jump{};
  bool truncated = false;
};

void OnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void OnMessage(j_common_ptr) {}

// The library only warns when the data ends early and draws the rest grey;
// a truncated picture is refused instead, as a truncated PNG is.
void OnEmit(j_common_ptr info, int level) {
  auto* error = reinterpret_cast<ErrorManager*>(info->err);
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
    error->truncated = true;
    std::longjmp(error->jump, 1);
  }
}

// After the header: whether the rest of the data holds the end marker. The
// coded data cannot hold one, so without it the picture was cut short, and
// that is known before any pixel memory is taken.
bool HasEndMarker(const jpeg_decompress_struct& info) {
  const JOCTET* rest = info.src->next_input_byte;
  for (std::size_t k = info.src->bytes_in_buffer; k >= 2; --k) {
    if (rest[k - 2] == 0xFF && rest[k - 1] == 0xD9) return true;
  }
  return false;
}

// Owns the compressor and the buffer that jpeg_mem_dest allocates.
struct Compressor {
  jpeg_compress_struct info{};
  ErrorManager error{};
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  bool created = false;
  Compressor() = default;
  Compressor(const Compressor&) = delete;
  Compressor& operator=(const Compressor&) = delete;
  ~Compressor() {
    if (created) jpeg_destroy_compress(&info);
    std::free(buffer);
  }
};

// Only trivially destructible locals between setjmp and the library calls.
bool RunCompress(Compressor& c, const raster::Picture& picture, int quality) {
  c.info.err = jpeg_std_error(&c.error.base);
  c.error.base.error_exit = OnError;
  c.error.base.output_message = OnMessage;
  if (setjmp(c.error.jump)) return false;
  jpeg_create_compress(&c.info);
  c.created = true;
  jpeg_mem_dest(&c.info, &c.buffer, &c.size);
  c.info.image_width = static_cast<JDIMENSION>(picture.Width());
  c.info.image_height = static_cast<JDIMENSION>(picture.Height());
  c.info.input_components = 4;
  c.info.in_color_space = JCS_EXT_BGRX;  // the picture's own byte order; JPEG has no alpha
  jpeg_set_defaults(&c.info);
  jpeg_set_colorspace(&c.info, JCS_YCbCr);
  jpeg_set_quality(&c.info, quality, TRUE);
  jpeg_start_compress(&c.info, TRUE);
  while (c.info.next_scanline < c.info.image_height) {
    // The library reads the row only; its interface is not const-correct.
    JSAMPROW row = const_cast<JSAMPROW>(picture.Row(static_cast<int>(c.info.next_scanline)));
    jpeg_write_scanlines(&c.info, &row, 1);
  }
  jpeg_finish_compress(&c.info);
  return true;
}

// Owns the decompressor.
struct Decompressor {
  jpeg_decompress_struct info{};
  ErrorManager error{};
  bool created = false;
  Decompressor() = default;
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;
  ~Decompressor() {
    if (created) jpeg_destroy_decompress(&info);
  }
};

// The size is checked against maxSide after the header and before any pixel
// memory is taken. Only trivially destructible locals between setjmp and the
// library calls; the picture is allocated outside.
bool ReadJpegHeader(Decompressor& d, std::span<const std::uint8_t> data) {
  d.info.err = jpeg_std_error(&d.error.base);
  d.error.base.error_exit = OnError;
  d.error.base.output_message = OnMessage;
  d.error.base.emit_message = OnEmit;
  if (setjmp(d.error.jump)) return false;
  jpeg_create_decompress(&d.info);
  d.created = true;
  jpeg_mem_src(&d.info, data.data(), static_cast<unsigned long>(data.size()));
  if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK) return false;
  d.info.out_color_space = JCS_EXT_BGRA;  // the picture's own byte order, opaque
  return true;
}

bool ReadJpegRows(Decompressor& d, raster::Picture& picture) {
  if (setjmp(d.error.jump)) return false;
  jpeg_start_decompress(&d.info);
  if (static_cast<int>(d.info.output_width) != picture.Width() ||
      static_cast<int>(d.info.output_height) != picture.Height() || d.info.output_components != 4) {
    return false;
  }
  while (d.info.output_scanline < d.info.output_height) {
    JSAMPROW row = picture.Row(static_cast<int>(d.info.output_scanline));
    jpeg_read_scanlines(&d.info, &row, 1);
  }
  jpeg_finish_decompress(&d.info);
  return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodeJpeg(const raster::Picture& picture, int quality) {
  if (picture.Empty() || picture.Width() > JPEG_MAX_DIMENSION || picture.Height() > JPEG_MAX_DIMENSION) {
    return std::nullopt;
  }
  Compressor compressor;
  if (!RunCompress(compressor, picture, quality) || compressor.buffer == nullptr) return std::nullopt;
  return std::vector<std::uint8_t>(compressor.buffer, compressor.buffer + compressor.size);
}

texts::Result<raster::Picture> DecodeJpeg(std::span<const std::uint8_t> data, int maxSide) {
  using texts::Fail;
  if (data.size() < 3 || data[0] != 0xFF || data[1] != 0xD8 || data[2] != 0xFF) return texts::Failure{Fail::kNotJpeg};
  Decompressor decompressor;
  if (!ReadJpegHeader(decompressor, data)) return texts::Failure{Fail::kUnreadableJpeg};
  const auto width = static_cast<std::int64_t>(decompressor.info.image_width);
  const auto height = static_cast<std::int64_t>(decompressor.info.image_height);
  if (width < 1 || height < 1 || width > maxSide || height > maxSide) {
    return texts::Failure{Fail::kJpegTooLarge,
                          {std::to_string(width), std::to_string(height), std::to_string(maxSide)}};
  }
  if (!HasEndMarker(decompressor.info)) return texts::Failure{Fail::kTruncatedJpeg};
  raster::Picture picture(static_cast<int>(width), static_cast<int>(height));
  if (!ReadJpegRows(decompressor, picture)) {
    return texts::Failure{decompressor.error.truncated ? Fail::kTruncatedJpeg : Fail::kDamagedJpeg};
  }
  return picture;
}

texts::Result<void> SaveJpegFile(const std::filesystem::path& path, const raster::Picture& picture, int quality) {
  const auto bytes = EncodeJpeg(picture, quality);
  if (!bytes) return texts::Failure{texts::Fail::kCannotEncodePicture};
  return WriteFileAtomically(path, *bytes);
}

}  // namespace pixmint::document
