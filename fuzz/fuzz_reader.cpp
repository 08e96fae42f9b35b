// Feeds arbitrary bytes to the icon and cursor reader. Whatever loads is
// saved to memory and read back; any difference in images, masks, tables,
// depths or hot spots between the two documents stops the run.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "document/kv_icon.h"

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
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
