#include "document/ico_reader.h"

#include <algorithm>
#include <map>

#include "document/byte_io.h"
#include "document/file_io.h"
#include "document/ico_layout.h"
#include "document/png_codec.h"

namespace pixmint::document {
namespace {

using texts::Fail;
using texts::Failure;

// A 32-bit image whose alpha bytes are not all 0 is shown by its alpha: the
// mask is rewritten to match and fully transparent pixels are zeroed. With
// every alpha 0 the mask alone decides and nothing changes.
void ApplyAlphaRule(IconImage& record) {
  if (record.Colors != 32) return;
  auto colour = record.XorPart();
  const std::size_t w = record.Width;
  bool any = false;
  for (std::size_t p = 0; p < colour.size() / 4 && !any; ++p) any = colour[4 * p + 3] != 0;
  if (!any) return;
  auto mask = record.AndPart();
  const std::size_t maskStride = static_cast<std::size_t>(RowBytes(w));
  for (std::size_t r = 0; r < record.Height; ++r) {
    std::uint8_t* row = colour.data() + r * w * 4;
    for (std::size_t x = 0; x < w; ++x) {
      std::uint8_t* px = row + 4 * x;
      const bool transparent = px[3] == 0;
      if (transparent) std::fill(px, px + 4, 0);
      std::uint8_t& bits = mask[r * maskStride + (x >> 3)];
      const auto bit = static_cast<std::uint8_t>(0x80 >> (x & 7));
      bits = static_cast<std::uint8_t>(transparent ? (bits | bit) : (bits & ~bit));
    }
  }
}

// A PNG entry becomes a 32-bit block: colour bytes blue, green, red, alpha
// bottom-up, mask set (and colour zeroed) where alpha is 0.
texts::Result<void> DecodePngRecord(std::span<const std::uint8_t> block, IconImage& record) {
  texts::Result<Image32> image = DecodePng(block, ChannelOrder::kBgra, kMaxIconPngSide);
  if (!image) return texts::Within(Fail::kInPngEntry, {}, image.error());
  const int w = image->width, h = image->height;
  if (w < 1 || h < 1 || w > kMaxImageSide || h > kMaxImageSide) {
    return Failure{Fail::kPngEntrySize, {std::to_string(w), std::to_string(h)}};
  }
  if (!MakeBlankImage(w, h, 32, record)) return Failure{Fail::kPngEntryUnusable};
  const std::size_t rowBytes = static_cast<std::size_t>(w) * 4;
  auto colour = record.XorPart();
  auto mask = record.AndPart();
  const std::size_t maskStride = static_cast<std::size_t>(RowBytes(static_cast<std::uint64_t>(w)));
  for (int y = 0; y < h; ++y) {
    const std::size_t r = static_cast<std::size_t>(h - 1 - y);
    std::copy_n(image->pixels.data() + static_cast<std::size_t>(y) * rowBytes, rowBytes, colour.data() + r * rowBytes);
    for (int x = 0; x < w; ++x) {
      std::uint8_t* px = colour.data() + r * rowBytes + 4 * static_cast<std::size_t>(x);
      if (px[3] != 0) continue;
      std::fill(px, px + 4, 0);
      mask[r * maskStride + static_cast<std::size_t>(x >> 3)] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
    }
  }
  record.pngCompressed = true;
  return {};
}

// A bitmap entry: rest is the file from the block's offset on, size the
// entry's byte count. Only what the header describes is kept, so a lying
// entry size never costs more memory than a real image of that header. Two
// shapes that other programs write and read are taken as well: a 32-bit
// block that ends right after its colour bits (no mask; alpha decides), and
// an entry size smaller than the block while the file holds the whole block.
texts::Result<void> ReadBitmapRecord(std::span<const std::uint8_t> rest, std::uint64_t size, IconImage& record) {
  const texts::Result<BlockExtent> extent = MeasureImageBlock(rest);
  if (!extent) return extent.error();
  const bool noMask = extent->end > size && extent->bitCount == 32 && size == extent->colourEnd;
  const std::uint64_t take = noMask ? extent->colourEnd : extent->end;
  if (take > rest.size()) return ShortBlock(rest.size(), extent->end);
  record.Data.assign(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(take));
  record.original.assign(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(std::max(take, size)));
  // The missing mask reads as all opaque; the alpha rule then rewrites it.
  record.Data.resize(static_cast<std::size_t>(extent->end), 0);
  if (texts::Result<void> made = InitImageRecord(record); !made) return made;
  ApplyAlphaRule(record);
  return {};
}

// The pixels an entry will decode to by its header alone, and at least
// kMinImagePixels; 0 when the header is not one the entry's reader takes
// (that reader then says why).
std::uint64_t EntryPixels(std::span<const std::uint8_t> file, std::uint64_t offset, std::uint64_t size) {
  const auto rest = file.subspan(static_cast<std::size_t>(offset));
  const auto block = rest.first(static_cast<std::size_t>(size));
  if (HasPngSignature(block)) {
    const auto side = PngDimensions(block);
    if (!side || side->first > kMaxIconPngSide || side->second > kMaxIconPngSide) return 0;
    return std::max(kMinImagePixels, std::uint64_t{side->first} * side->second);
  }
  if (!MeasureImageBlock(rest)) return 0;
  const BitmapHeader header = ParseHeader(rest);
  return std::max(kMinImagePixels,
                  static_cast<std::uint64_t>(header.width) * static_cast<std::uint64_t>(header.height / 2));
}

// Where every entry lies, checked against the file and the budget before
// anything is decoded: the first fault, if any.
std::optional<Failure> CheckEntries(std::span<const std::uint8_t> file, std::uint32_t count, ReadBudget& budget) {
  if (auto taken = budget.TakeEntries(count); !taken) return texts::Within(Fail::kCannotConvert, {}, taken.error());
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t entry = kIcoHeaderBytes + kIcoEntryBytes * i;
    const std::uint64_t size = GetU32(file, entry + 8);
    const std::uint64_t offset = GetU32(file, entry + 12);
    const std::string image = std::to_string(i);
    if (offset > file.size()) return Failure{Fail::kCannotSeekImage, {image, std::to_string(offset)}};
    if (offset + size > file.size()) {
      return Failure{Fail::kCannotReadImage, {image, std::to_string(size), std::to_string(offset)}};
    }
    if (auto taken = budget.TakePixels(EntryPixels(file, offset, size)); !taken) {
      return texts::Within(Fail::kCannotConvertImage, {image}, taken.error());
    }
  }
  return std::nullopt;
}

}  // namespace

std::uint32_t ReadIconHeader(std::span<const std::uint8_t> file) {
  if (file.size() < kIcoHeaderBytes) return 0;
  if (GetU16(file, 0) != 0) return 0;
  const std::uint16_t type = GetU16(file, 2);
  if (type != kTypeIcon && type != kTypeCursor) return 0;
  return GetU16(file, 4);
}

std::optional<std::span<const std::uint8_t>> IconEntryBlock(std::span<const std::uint8_t> file, std::uint32_t i) {
  if (i >= ReadIconHeader(file)) return std::nullopt;
  const std::size_t entry = kIcoHeaderBytes + kIcoEntryBytes * i;
  if (entry + kIcoEntryBytes > file.size()) return std::nullopt;
  const std::uint64_t size = GetU32(file, entry + 8);
  const std::uint64_t offset = GetU32(file, entry + 12);
  if (offset + size > file.size()) return std::nullopt;
  return file.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
}

std::uint16_t ReadIconType(std::span<const std::uint8_t> file) {
  return ReadIconHeader(file) != 0 ? GetU16(file, 2) : 0;
}

texts::Result<std::unique_ptr<IconResource>> ReadIconMemory(std::span<const std::uint8_t> file, const std::string& name,
                                                            IconFileInfo* info, ReadBudget* budget) {
  const std::uint32_t count = std::min(ReadIconHeader(file), kMaxImages);
  if (count == 0) return Failure{Fail::kNotIconOrCursor};
  if (kIcoHeaderBytes + kIcoEntryBytes * count > file.size()) return Failure{Fail::kCannotReadFile};
  ReadBudget ownBudget;
  if (auto fault = CheckEntries(file, count, budget != nullptr ? *budget : ownBudget)) return *std::move(fault);
  IconFileInfo found;
  found.type = GetU16(file, 2);
  auto resource = std::make_unique<IconResource>();
  resource->IcoFileName = name;
  // Entries that point at one block share what it decoded to.
  std::map<std::pair<std::uint64_t, std::uint64_t>, std::uint32_t> decoded;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t entry = kIcoHeaderBytes + kIcoEntryBytes * i;
    const std::uint64_t size = GetU32(file, entry + 8);
    const std::uint64_t offset = GetU32(file, entry + 12);
    IconImage& record = resource->Images[i];
    if (found.type == kTypeCursor) {
      found.hotSpots[i] = raster::Point{GetU16(file, entry + 4), GetU16(file, entry + 6)};
    }
    if (const auto same = decoded.find({offset, size}); same != decoded.end()) {
      record = resource->Images[same->second];
      continue;
    }
    const auto block = file.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
    const texts::Result<void> read =
        HasPngSignature(block) ? DecodePngRecord(block, record)
                               : ReadBitmapRecord(file.subspan(static_cast<std::size_t>(offset)), size, record);
    if (!read) return texts::Within(Fail::kCannotConvertImage, {std::to_string(i)}, read.error());
    if (HasPngSignature(block)) record.original.assign(block.begin(), block.end());
    decoded.emplace(std::pair{offset, size}, i);
  }
  resource->ImageCount = count;
  if (info != nullptr) *info = found;
  return resource;
}

texts::Result<std::unique_ptr<IconResource>> ReadIconFile(const std::string& fileName, IconFileInfo* info) {
  const std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(fileName);
  if (!bytes) return Failure{Fail::kCannotOpenFile};
  return ReadIconMemory(*bytes, fileName, info);
}

}  // namespace pixmint::document
