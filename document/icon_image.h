#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "raster/colour.h"
#include "raster/picture.h"
#include "texts/failure.h"

namespace pixmint::document {

inline constexpr std::uint32_t kMaxImages = 32;
inline constexpr std::uint32_t kInfoHeaderBytes = 40;
// A header plus room for a full 256-entry table.
inline constexpr std::size_t kHeaderBlockBytes = 1064;
inline constexpr int kMaxImageSide = 1024;

// The fields of a BITMAPINFOHEADER that the layout rules use.
struct BitmapHeader {
  std::uint32_t size = kInfoHeaderBytes;
  std::int32_t width = 0;
  std::int32_t height = 0;  // in an image block: twice the image height
  std::uint16_t planes = 1;
  std::uint16_t bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t coloursUsed = 0;
};

// Reads the header at the start of bytes (at least 40 bytes long).
[[nodiscard]] BitmapHeader ParseHeader(std::span<const std::uint8_t> bytes);

// Geometry of a block. Sizes are 64-bit so that no lying header can wrap them.
[[nodiscard]] constexpr std::uint64_t RowBytes(std::uint64_t bits) {
  return ((bits + 31) >> 5) << 2;
}
[[nodiscard]] std::uint64_t ColourRowBytes(const BitmapHeader& header);
[[nodiscard]] std::uint64_t MaskRowBytes(const BitmapHeader& header);
// coloursUsed when non-zero, else 2 / 16 / 256 for 1 / 4 / 8 bits, else 0.
[[nodiscard]] std::uint32_t ColourCount(const BitmapHeader& header);
[[nodiscard]] std::uint64_t PaletteBytes(const BitmapHeader& header);
// Offset of the colour bits from the start of the block.
[[nodiscard]] std::uint64_t FindColourBits(const BitmapHeader& header);
[[nodiscard]] bool IsValidBitCount(std::uint32_t bitCount);

// One image: its raw block exactly as a file holds it (header, colour table,
// colour bits, mask bits) and where the pieces lie in it.
struct IconImage {
  std::uint32_t Width = 0;
  std::uint32_t Height = 0;
  std::uint32_t Colors = 0;  // bits per pixel
  std::vector<std::uint8_t> Data;
  std::uint32_t DataSize = 0;
  std::size_t xorOffset = 0;
  std::size_t andOffset = 0;
  std::size_t endOffset = 0;  // where the mask bits end
  // The block came from a PNG-compressed entry and is written back as PNG.
  bool pngCompressed = false;
  // The entry exactly as the file held it (PNG stream or bitmap block), kept
  // so that an image nobody changed is saved byte for byte. Data is the
  // decoded form of it for as long as it is held; whoever changes Data
  // without the surfaces' help clears it (TKvIcon does).
  std::vector<std::uint8_t> original;

  [[nodiscard]] std::span<std::uint8_t> Header() { return Data; }
  [[nodiscard]] std::span<const std::uint8_t> Header() const { return Data; }
  [[nodiscard]] std::uint32_t HeaderSize() const;
  [[nodiscard]] std::span<const std::uint8_t> ColourTable() const;
  [[nodiscard]] std::span<std::uint8_t> XorPart();
  [[nodiscard]] std::span<const std::uint8_t> XorPart() const;
  [[nodiscard]] std::span<std::uint8_t> AndPart();
  [[nodiscard]] std::span<const std::uint8_t> AndPart() const;
};

struct IconResource {
  std::string IcoFileName;
  std::uint32_t ImageCount = 0;
  std::array<IconImage, kMaxImages> Images;
};

// Validates the block in record.Data and fills the other fields. On failure
// the record is left untouched.
[[nodiscard]] texts::Result<void> InitImageRecord(IconImage& record);

// Where the parts of a block end by its header: colourEnd after header,
// table and colour bits, end after the mask.
struct BlockExtent {
  std::uint64_t colourEnd = 0;
  std::uint64_t end = 0;
  std::uint32_t bitCount = 0;
};

// Checks the header at the start of block (which must hold the header, not
// yet the rest) and measures the block it describes; a failure when the
// header is not one we read.
[[nodiscard]] texts::Result<BlockExtent> MeasureImageBlock(std::span<const std::uint8_t> block);

// A block of have bytes whose header needs needed.
[[nodiscard]] texts::Failure ShortBlock(std::uint64_t have, std::uint64_t needed);

// 1064 zeroed bytes: a 40-byte header (planes 1, the given size and depth)
// followed by the default table of that depth. Empty for an unknown depth.
[[nodiscard]] std::vector<std::uint8_t> CreateImageHeader(int width, int height, int bitCount);

// The default table of a depth as blue, green, red, 0 entries (empty above 8 bits).
[[nodiscard]] std::span<const std::uint8_t> DefaultColourTable(int bitCount);

// A 4-byte-per-entry table as colours.
[[nodiscard]] std::vector<raster::Colour> TableColours(std::span<const std::uint8_t> table);

// Sets (value != 0) or clears the bit of (x, y), y counted from the top, in a
// bottom-up 1-bit bitmap. Positions outside the bitmap or the span are ignored.
void SetMaskBit(std::span<std::uint8_t> bits, int width, int height, int x, int y, int value);

// Reduces a picture to 8 bits with a table of its most frequent 15-bit
// colours. header receives 1064 bytes (header and table), colourBits the
// bottom-up index rows. reserveBlack (for an image with transparent pixels,
// which store black) makes sure the table holds black.
[[nodiscard]] bool QuantizeTo8Bit(const raster::Picture& picture, std::vector<std::uint8_t>& header,
                                  std::vector<std::uint8_t>& colourBits, bool reserveBlack = false);

// A complete blank block (header with doubled height, default table, zeroed
// colour bits and mask) and its record. Fails for a depth or size outside the
// supported range.
[[nodiscard]] bool MakeBlankImage(int width, int height, int bitCount, IconImage& record);

}  // namespace pixmint::document
