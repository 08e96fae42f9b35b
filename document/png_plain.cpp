// Copying a PNG entry that needs no new encoding.
#include <zlib.h>

#include <array>
#include <string_view>

#include "document/png_codec.h"

namespace pixmint::document {
namespace {

constexpr std::size_t kSignatureBytes = 8;
constexpr std::size_t kHeaderEnd = kSignatureBytes + 12 + 13;  // signature and the IHDR chunk

std::uint32_t Be32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// One chunk: where it starts and ends, its type and its data.
struct Chunk {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::string_view type;
  std::span<const std::uint8_t> body;
};

// The chunk at pos when it is whole and its check value is right.
std::optional<Chunk> ChunkAt(std::span<const std::uint8_t> data, std::size_t pos) {
  if (pos + 12 > data.size()) return std::nullopt;
  const std::uint64_t length = Be32(&data[pos]);
  if (length > data.size() - pos - 12) return std::nullopt;
  const auto n = static_cast<std::size_t>(length);
  if (crc32(0, &data[pos + 4], static_cast<uInt>(4 + n)) != Be32(&data[pos + 8 + n])) return std::nullopt;
  return Chunk{pos, pos + 12 + n, std::string_view(reinterpret_cast<const char*>(&data[pos + 4]), 4),
               data.subspan(pos + 8, n)};
}

// Inflates the image data without keeping it: it must end exactly after
// height rows of 1 + 4 * width bytes, each starting with a known filter.
class RowCheck {
 public:
  explicit RowCheck(std::uint32_t width, std::uint32_t height)
      : row_(1 + 4 * static_cast<std::size_t>(width)), rowsLeft_(height) {
    ok_ = initialised_ = inflateInit(&z_) == Z_OK;
  }
  ~RowCheck() {
    if (initialised_) inflateEnd(&z_);
  }
  RowCheck(const RowCheck&) = delete;
  RowCheck& operator=(const RowCheck&) = delete;

  bool Feed(std::span<const std::uint8_t> in) {
    z_.next_in = const_cast<Bytef*>(in.data());  // zlib's interface is not const-correct
    z_.avail_in = static_cast<uInt>(in.size());
    while (ok_ && !finished_ && z_.avail_in > 0) Step();
    if (finished_ && z_.avail_in > 0) ok_ = false;  // bytes after the end of the stream
    return ok_;
  }
  [[nodiscard]] bool Complete() const { return ok_ && finished_ && rowsLeft_ == 0 && filled_ == 0; }

 private:
  void Step() {
    z_.next_out = row_.data() + filled_;
    z_.avail_out = static_cast<uInt>(row_.size() - filled_);
    const int rc = inflate(&z_, Z_NO_FLUSH);
    filled_ = row_.size() - z_.avail_out;
    if (filled_ == row_.size()) {
      ok_ = rowsLeft_ > 0 && row_[0] <= 4;
      --rowsLeft_;
      filled_ = 0;
    }
    if (rc == Z_STREAM_END)
      finished_ = true;
    else if (rc != Z_OK)
      ok_ = false;
  }

  z_stream z_{};
  std::vector<std::uint8_t> row_;
  std::size_t filled_ = 0;
  std::uint32_t rowsLeft_;
  bool initialised_ = false;
  bool ok_ = false;
  bool finished_ = false;
};

}  // namespace

std::optional<std::vector<std::uint8_t>> PlainRgbaPng(std::span<const std::uint8_t> data, std::uint32_t width,
                                                      std::uint32_t height) {
  const auto size = PngDimensions(data);
  if (!size || *size != std::pair{width, height} || width == 0 || height == 0) return std::nullopt;
  if (width > kMaxIconPngSide || height > kMaxIconPngSide) return std::nullopt;
  const auto header = ChunkAt(data, kSignatureBytes);
  // 13 bytes: bit depth 8, colour type 6 (RGBA), compression, filter and
  // interlace method 0.
  if (!header || header->body.size() != 13 || header->body[8] != 8 || header->body[9] != 6 || header->body[10] != 0 ||
      header->body[11] != 0 || header->body[12] != 0) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> out(data.begin(), data.begin() + kHeaderEnd);
  RowCheck rows(width, height);
  bool inData = false, dataDone = false;
  for (std::size_t pos = kHeaderEnd;;) {
    const auto chunk = ChunkAt(data, pos);
    if (!chunk) return std::nullopt;
    const bool isData = chunk->type == "IDAT";
    // Image data comes in consecutive chunks.
    if (isData && dataDone) return std::nullopt;
    if (inData && !isData) dataDone = true;
    inData = isData;
    const bool critical = (chunk->type[0] & 0x20) == 0;
    if (chunk->type == "IEND") {
      if (chunk->end != data.size() || !rows.Complete()) return std::nullopt;
      out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(chunk->begin), data.end());
      return out;
    }
    if (isData) {
      if (!rows.Feed(chunk->body)) return std::nullopt;
      out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(chunk->begin),
                 data.begin() + static_cast<std::ptrdiff_t>(chunk->end));
    } else if (critical && chunk->type != "PLTE") {
      return std::nullopt;  // a second header or a chunk we do not know
    }
    pos = chunk->end;
  }
}

}  // namespace pixmint::document
