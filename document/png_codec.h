#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "document/file_io.h"
#include "raster/picture.h"

namespace pixmint::document {

// Largest side of a PNG-compressed icon entry; the clipboard and the command
// line may pass a larger limit.
inline constexpr std::uint32_t kMaxIconPngSide = 1024;

// Byte order of the four channels of a 32-bit pixel.
enum class ChannelOrder { kBgra, kRgba };

// 32 bits per pixel, rows top-down, width * 4 bytes per row, no padding.
struct Image32 {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

// True when data begins with the 8-byte PNG signature.
[[nodiscard]] bool HasPngSignature(std::span<const std::uint8_t> data);

// Width and height from the header of a PNG, without decoding it; nothing
// when data does not start with a PNG signature and header.
[[nodiscard]] std::optional<std::pair<std::uint32_t, std::uint32_t>> PngDimensions(std::span<const std::uint8_t> data);

// Decodes any PNG (palette, grey, grey+alpha, RGB, RGBA, 1 to 16 bits per
// sample, tRNS) to 8-bit channels with alpha, in the given order. Refuses
// sides above maxSide before decoding, and limits chunk sizes and the memory
// that ancillary chunks may take.
[[nodiscard]] texts::Result<Image32> DecodePng(std::span<const std::uint8_t> data, ChannelOrder order,
                                               std::uint32_t maxSide = kMaxIconPngSide);

// An intact 8-bit RGBA PNG of width x height, reduced to its header, image
// data and end chunks: every decoder shows it pixel for pixel as DecodePng
// does (the dropped chunks only tell colour-managed viewers to change
// colours, or carry text). Nothing when data is anything else: another pixel
// format, interlaced, a chunk cut short or with a wrong check value, an
// unknown critical chunk, or image data that does not inflate to exactly the
// rows the header describes, or sides above kMaxIconPngSide. Copying such an
// entry is far cheaper than decoding and encoding it again. pixels, when
// given, receives the picture (RGBA) that the copy shows, as DecodePng would
// give it: checking the data decodes it anyway.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> PlainRgbaPng(std::span<const std::uint8_t> data,
                                                                    std::uint32_t width, std::uint32_t height,
                                                                    Image32* pixels = nullptr);

// How hard EncodePng32 compresses (libdeflate's levels, 1 to 12). 6 makes
// pictures a little smaller than zlib's default does, in half its time;
// the PNG entries of icons, written once and kept, take 7, which makes them
// smaller than ImageMagick's at no cost on icon-like pictures
// (bench_png_settings, bench/cli_vs_tools.sh).
inline constexpr int kPngDeflateLevel = 6;
inline constexpr int kIconPngDeflateLevel = 7;

// Encodes 32-bit rows as an 8-bit RGBA PNG, each row with the filter that
// suits it. pixels holds height rows of width * 4 bytes in the given order;
// bottomUp says the first row in memory is the bottom row (the layout of an
// icon's colour bits). Gives nothing when the sizes do not match.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> EncodePng32(int width, int height,
                                                                   std::span<const std::uint8_t> pixels,
                                                                   ChannelOrder order, bool bottomUp = false,
                                                                   int deflateLevel = kPngDeflateLevel);

// Encodes a picture as an 8-bit RGBA PNG, its alpha as it is.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> EncodePng(const raster::Picture& picture);

// Encodes to memory, then writes with WriteFileAtomically.
texts::Result<void> SavePngFile(const std::filesystem::path& path, const raster::Picture& picture);

}  // namespace pixmint::document
