// Feeds arbitrary bytes to the icon and cursor reader. Whatever loads is
// saved to memory and read back; any difference in images, masks, tables,
// depths or hot spots between the two documents stops the run. Inputs that
// look like a BMP snapshot or a PNG picture also go through those decoders,
// with the same write-and-read-back check; a PNG that may be copied without
// a new encoding must decode to the same pixels as the copy.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "document/bmp_codec.h"
#include "document/kv_icon.h"
#include "document/png_codec.h"

namespace {

using pixmint::document::TKvIcon;

[[noreturn]] void Mismatch() {
  __builtin_trap();
}

void ExpectSame(const TKvIcon& a, const TKvIcon& b) {
  if (a.ImageCount() != b.ImageCount() || a.FileType() != b.FileType()) Mismatch();
  for (std::uint32_t i = 0; i < a.ImageCount(); ++i) {
    const auto* ca = a.XorBitmap(i);
    const auto* cb = b.XorBitmap(i);
    const auto* ma = a.AndBitmap(i);
    const auto* mb = b.AndBitmap(i);
    if (ca == nullptr || cb == nullptr || ma == nullptr || mb == nullptr) Mismatch();
    if (ca->Width() != cb->Width() || ca->Height() != cb->Height() || ca->BitCount() != cb->BitCount()) Mismatch();
    if (!std::ranges::equal(ca->Bits(), cb->Bits()) || !std::ranges::equal(ca->Table(), cb->Table())) Mismatch();
    if (!std::ranges::equal(ma->Bits(), mb->Bits())) Mismatch();
    if (a.GetHotSpot(i) != b.GetHotSpot(i) || a.IsPngCompressed(i) != b.IsPngCompressed(i)) Mismatch();
  }
}

void CheckBmp(std::span<const std::uint8_t> bytes) {
  const auto picture = pixmint::document::DecodeBmp(bytes);
  if (!picture) return;
  const auto again = pixmint::document::DecodeBmp(pixmint::document::EncodeBmp(*picture));
  if (!again || !(*again == *picture)) Mismatch();
}

// A PNG that may be copied as it stands must show exactly what it showed.
void CheckPlainCopy(std::span<const std::uint8_t> bytes) {
  using pixmint::document::ChannelOrder;
  const auto size = pixmint::document::PngDimensions(bytes);
  if (!size) return;
  const auto plain = pixmint::document::PlainRgbaPng(bytes, size->first, size->second);
  if (!plain) return;
  const auto original = pixmint::document::DecodePng(bytes, ChannelOrder::kRgba);
  const auto copy = pixmint::document::DecodePng(*plain, ChannelOrder::kRgba);
  if (!original || !copy || copy->pixels != original->pixels) Mismatch();
}

void CheckPng(std::span<const std::uint8_t> bytes) {
  using pixmint::document::ChannelOrder;
  CheckPlainCopy(bytes);
  const auto image = pixmint::document::DecodePng(bytes, ChannelOrder::kRgba);
  if (!image) return;
  const auto png = pixmint::document::EncodePng32(image->width, image->height, image->pixels, ChannelOrder::kRgba);
  if (!png) Mismatch();
  const auto again = pixmint::document::DecodePng(*png, ChannelOrder::kRgba);
  if (!again || again->width != image->width || again->height != image->height || again->pixels != image->pixels) {
    Mismatch();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') CheckBmp(bytes);
  if (pixmint::document::HasPngSignature(bytes)) CheckPng(bytes);
  TKvIcon first;
  first.SetErrorCallback([](std::string_view, std::string_view) {});
  if (!first.LoadFromMemory(bytes, "input")) return 0;
  // Saved as what it was read as, so that a cursor keeps its hot spots.
  first.SetIcon(first.FileType() != pixmint::document::kTypeCursor);
  const auto saved = first.SaveToMemory();
  if (!saved) Mismatch();
  TKvIcon second;
  second.SetErrorCallback([](std::string_view, std::string_view) {});
  if (!second.LoadFromMemory(*saved, "saved")) Mismatch();
  ExpectSame(first, second);
  return 0;
}
