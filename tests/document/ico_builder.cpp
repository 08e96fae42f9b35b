#include "ico_builder.h"

#include "document/byte_io.h"
#include "document/icon_image.h"

namespace pixmint::test {

using document::PutU16;
using document::PutU32;

std::vector<std::uint8_t> MakeBlock(const BlockLayout& layout) {
  std::vector<std::uint8_t> block(layout.headerSize, 0);
  PutU32(block, 0, layout.headerSize);
  PutU32(block, 4, static_cast<std::uint32_t>(layout.width));
  PutU32(block, 8, static_cast<std::uint32_t>(layout.height * 2));
  PutU16(block, 12, 1);
  PutU16(block, 14, layout.bitCount);
  PutU32(block, 32, layout.coloursUsed);
  std::uint32_t colours = layout.coloursUsed;
  if (colours == 0 && layout.bitCount <= 8) colours = 1u << layout.bitCount;
  for (std::uint32_t i = 0; i < colours; ++i) {
    block.insert(block.end(), {static_cast<std::uint8_t>(i * 7), static_cast<std::uint8_t>(i * 3),
                               static_cast<std::uint8_t>(255 - i), 0});
  }
  const std::uint64_t width = layout.width > 0 ? static_cast<std::uint64_t>(layout.width) : 0;
  const std::uint64_t rows = layout.height > 0 ? static_cast<std::uint64_t>(layout.height) : 0;
  const std::uint64_t colourBytes = document::RowBytes(width * layout.bitCount) * rows;
  for (std::uint64_t i = 0; i < colourBytes; ++i) block.push_back(static_cast<std::uint8_t>(i * 31 + 5));
  const std::uint64_t maskBytes = document::RowBytes(width) * rows;
  for (std::uint64_t i = 0; i < maskBytes; ++i) block.push_back(static_cast<std::uint8_t>(i % 3 == 0 ? 0xF0 : 0x0F));
  return block;
}

std::vector<std::uint8_t> MakeIconFile(const std::vector<EntryLayout>& entries, std::uint16_t type) {
  std::vector<std::uint8_t> file(6 + 16 * entries.size(), 0);
  PutU16(file, 2, type);
  PutU16(file, 4, static_cast<std::uint32_t>(entries.size()));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const EntryLayout& e = entries[i];
    const std::size_t at = 6 + 16 * i;
    PutU16(file, at + 4, e.field4);
    PutU16(file, at + 6, e.field6);
    const auto size = e.sizeOverride >= 0 ? e.sizeOverride : static_cast<std::int64_t>(e.block.size());
    PutU32(file, at + 8, static_cast<std::uint32_t>(size));
    PutU32(file, at + 12, static_cast<std::uint32_t>(file.size()));
    file.insert(file.end(), e.block.begin(), e.block.end());
  }
  return file;
}

std::vector<std::uint8_t> Bytes(std::span<const std::uint8_t> s) {
  return {s.begin(), s.end()};
}

void Paint(document::TKvIcon& icon, std::uint32_t i) {
  document::ImageSurface& s = *icon.XorBitmap(i);
  document::MaskSurface& m = *icon.AndBitmap(i);
  for (int y = 0; y < s.Height(); ++y) {
    for (int x = 0; x < s.Width(); ++x) {
      const bool masked = (x * 3 + y) % 5 == 0;
      s.SetPixel(x, y, raster::Rgb(static_cast<std::uint8_t>(x * 9), static_cast<std::uint8_t>(y * 13), 99));
      if (s.BitCount() == 32)
        s.SetRaw(x, y, masked ? 0 : s.GetRaw(x, y) | (static_cast<std::uint32_t>(1 + x * 17 % 255) << 24));
      m.Set(x, y, masked);
    }
  }
}

::testing::AssertionResult SameIcon(const document::TKvIcon& a, const document::TKvIcon& b) {
  if (a.ImageCount() != b.ImageCount() || a.IsIcon() != b.IsIcon()) {
    return ::testing::AssertionFailure() << "counts " << a.ImageCount() << " and " << b.ImageCount() << ", icon flags "
                                         << a.IsIcon() << " and " << b.IsIcon();
  }
  for (std::uint32_t i = 0; i < a.ImageCount(); ++i) {
    const auto *ca = a.XorBitmap(i), *cb = b.XorBitmap(i);
    if (ca->Width() != cb->Width() || ca->Height() != cb->Height() || a.Colors(i) != b.Colors(i) ||
        !std::ranges::equal(ca->Bits(), cb->Bits()) ||
        !std::ranges::equal(a.AndBitmap(i)->Bits(), b.AndBitmap(i)->Bits()) ||
        !std::ranges::equal(ca->Table(), cb->Table()) || a.GetHotSpot(i) != b.GetHotSpot(i) ||
        a.IsPngCompressed(i) != b.IsPngCompressed(i)) {
      return ::testing::AssertionFailure() << "image " << i << " differs";
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace pixmint::test
