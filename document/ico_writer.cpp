#include "document/ico_writer.h"

#include <cerrno>
#include <cstring>

#include "document/byte_io.h"
#include "document/file_io.h"
#include "document/ico_layout.h"
#include "document/kv_icon.h"
#include "document/pixel_look.h"
#include "document/png_codec.h"

namespace pixmint::document {
namespace {

// A PNG entry: each pixel as the image shows it; what only a screen can show
// (masked pixels) becomes (0,0,0,0).
std::optional<std::vector<std::uint8_t>> EncodePngBlock(const ImageSurface& colour, const MaskSurface& mask) {
  const PixelRule rule(colour, mask);
  const int w = colour.Width(), h = colour.Height();
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4);
  if (rule.AlphaDecides()) {
    // The rows as stored (blue, green, red, alpha, bottom-up), with the
    // colour of fully transparent pixels cleared: the usual large entry,
    // taken without asking the rule pixel by pixel.
    const auto bits = colour.Bits();
    for (int y = 0; y < h; ++y) {
      const std::uint8_t* row = bits.data() + static_cast<std::size_t>(h - 1 - y) * colour.Stride();
      std::uint8_t* out = pixels.data() + static_cast<std::size_t>(y) * w * 4;
      for (int x = 0; x < w * 4; x += 4) {
        if (row[x + 3] != 0) std::memcpy(out + x, row + x, 4);
      }
    }
    return EncodePng32(w, h, pixels, ChannelOrder::kBgra, false, kIconPngDeflateLevel);
  }
  std::size_t at = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x, at += 4) {
      const PixelLook look = rule.At(x, y);
      if (look.kind != PixelKind::kColour) continue;
      pixels[at] = static_cast<std::uint8_t>(raster::Blue(look.colour));
      pixels[at + 1] = static_cast<std::uint8_t>(raster::Green(look.colour));
      pixels[at + 2] = static_cast<std::uint8_t>(raster::Red(look.colour));
      pixels[at + 3] = look.alpha;
    }
  }
  return EncodePng32(w, h, pixels, ChannelOrder::kBgra, false, kIconPngDeflateLevel);
}

// Header (whole, as stored) and table from the record, pixels from the surfaces.
std::vector<std::uint8_t> BitmapBlock(const IconImage& record, const ImageSurface& colour, const MaskSurface& mask) {
  std::vector<std::uint8_t> block(record.Data.begin(),
                                  record.Data.begin() + static_cast<std::ptrdiff_t>(record.xorOffset));
  block.insert(block.end(), colour.Bits().begin(), colour.Bits().end());
  block.insert(block.end(), mask.Bits().begin(), mask.Bits().end());
  return block;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> WriteIconMemory(const TKvIcon& icon, const ReadyPngBlocks& ready) {
  const std::uint32_t count = icon.ImageCount();
  if (count == 0 || icon.IR() == nullptr) return std::nullopt;
  std::vector<std::vector<std::uint8_t>> blocks;
  for (std::uint32_t i = 0; i < count; ++i) {
    const ImageSurface* colour = icon.XorBitmap(i);
    const MaskSurface* mask = icon.AndBitmap(i);
    if (colour == nullptr || mask == nullptr) return std::nullopt;
    if (const auto kept = icon.KeptBlock(i)) {
      blocks.emplace_back(kept->begin(), kept->end());
    } else if (icon.IsPngCompressed(i) && i < ready.size() && !ready[i].empty()) {
      blocks.push_back(ready[i]);
    } else if (icon.IsPngCompressed(i)) {
      auto png = EncodePngBlock(*colour, *mask);
      if (!png) return std::nullopt;
      blocks.push_back(std::move(*png));
    } else {
      blocks.push_back(BitmapBlock(icon.IR()->Images[i], *colour, *mask));
    }
  }
  std::uint64_t total = kIcoHeaderBytes + kIcoEntryBytes * count;
  for (const auto& b : blocks) total += b.size();
  if (total > 0xFFFFFFFFull) return std::nullopt;

  std::vector<std::uint8_t> file(kIcoHeaderBytes + kIcoEntryBytes * count, 0);
  PutU16(file, 2, icon.IsIcon() ? kTypeIcon : kTypeCursor);
  PutU16(file, 4, count);
  std::uint32_t offset = static_cast<std::uint32_t>(file.size());
  for (std::uint32_t i = 0; i < count; ++i) {
    const IconImage& record = icon.IR()->Images[i];
    const std::size_t e = kIcoHeaderBytes + kIcoEntryBytes * i;
    file[e] = static_cast<std::uint8_t>(record.Width);
    file[e + 1] = static_cast<std::uint8_t>(record.Height);
    const raster::Point hot = icon.GetHotSpot(i);
    PutU16(file, e + 4, icon.IsIcon() ? 1u : static_cast<std::uint32_t>(hot.x));
    PutU16(file, e + 6, icon.IsIcon() ? record.Colors : static_cast<std::uint32_t>(hot.y));
    PutU32(file, e + 8, static_cast<std::uint32_t>(blocks[i].size()));
    PutU32(file, e + 12, offset);
    offset += static_cast<std::uint32_t>(blocks[i].size());
  }
  file.reserve(static_cast<std::size_t>(total));
  for (const auto& b : blocks) file.insert(file.end(), b.begin(), b.end());
  return file;
}

texts::Result<void> WriteIconFile(const TKvIcon& icon, const std::string& fileName) {
  const auto bytes = WriteIconMemory(icon);
  if (!bytes)
    return texts::Failure{icon.ImageCount() == 0 ? texts::Fail::kNoImageToSave : texts::Fail::kCannotEncodeImage};
  return WriteFileAtomically(fileName, *bytes);
}

}  // namespace pixmint::document
