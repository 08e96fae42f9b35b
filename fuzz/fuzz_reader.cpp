// Feeds arbitrary bytes to the icon and cursor reader. Whatever loads is
// saved to memory and read back; any difference in images, masks, tables,
// depths or hot spots between the two documents stops the run. Inputs that
// look like a BMP snapshot, a PNG picture, an animated cursor or an Xcursor
// file also go through those readers, with the same write-and-read-back
// check (for Xcursor files: the second export equals the first); a PNG that
// may be copied without a new encoding must decode to the same pixels as the
// copy. Inputs that
// look like a Windows program have every icon and cursor group rebuilt and
// read, and the first icon group replaced: the new file must read again and
// hold the new icon. Any other kind of file formats/file_kinds.cpp
// recognises goes through its row's reader, each frame saved and read back.
// Every input is also read as an install.inf and examined by the doctor,
// which picks what each size shows (check runs on whatever a user
// downloaded). The run's
// memory and time limits (scripts/fuzz) make any reader that exceeds its
// budget a finding.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <span>

#include "doctor/doctor.h"
#include "doctor/picks.h"
#include "document/bmp_codec.h"
#include "document/kv_icon.h"
#include "document/png_codec.h"
#include "formats/ani_file.h"
#include "formats/file_kinds.h"
#include "formats/install_inf.h"
#include "formats/pe_writer.h"
#include "formats/xcursor.h"

namespace {

using pixmint::document::TKvIcon;
namespace formats = pixmint::formats;

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

// Exporting whatever loaded must work or say why; it is not compared.
void ExportXcursor(const formats::AnimatedCursor& cursor) {
  std::vector<pixmint::texts::Failure> notes;
  const auto images = formats::XcursorImagesOf(cursor, notes);
  if (images && !formats::EncodeXcursor(*images)) Mismatch();
}

void CheckAni(std::span<const std::uint8_t> bytes) {
  const auto first = formats::ReadAniMemory(bytes, "input");
  if (!first) return;
  const auto saved = formats::WriteAniMemory(*first);
  if (!saved) Mismatch();
  const auto second = formats::ReadAniMemory(*saved, "saved");
  if (!second || second->frames.size() != first->frames.size() || second->steps != first->steps ||
      second->title != first->title || second->author != first->author) {
    Mismatch();
  }
  for (std::size_t f = 0; f < first->frames.size(); ++f) ExpectSame(*first->frames[f], *second->frames[f]);
  ExportXcursor(*first);
}

void CheckXcursor(std::span<const std::uint8_t> bytes) {
  const auto first = formats::ReadXcursorMemory(bytes, "input");
  if (!first) return;
  std::vector<pixmint::texts::Failure> notes;
  const auto images = formats::XcursorImagesOf(*first, notes);
  if (!images) return;
  const auto file = formats::EncodeXcursor(*images);
  if (!file) Mismatch();
  const auto second = formats::ReadXcursorMemory(*file, "saved");
  if (!second) Mismatch();
  const auto again = formats::XcursorImagesOf(*second, notes);
  if (!again || *again != *images) Mismatch();
}

void CheckProgram(std::span<const std::uint8_t> bytes) {
  using namespace pixmint::formats;
  const auto program = ProgramFile::Read({bytes.begin(), bytes.end()});
  if (!program) return;
  const IconGroup* firstIcon = nullptr;
  // The budgets info and extract read it with: the program's and each group's.
  pixmint::document::ReadBudget whole(pixmint::document::kMaxProgramPixels);
  for (const IconGroup& group : program->Groups()) {
    if (group.kind == GroupKind::kIcon && firstIcon == nullptr) firstIcon = &group;
    pixmint::document::ReadBudget budget(pixmint::document::kMaxDecodedPixels, &whole);
    if (const auto file = program->GroupFile(group, &budget)) {
      TKvIcon icon;
      (void)icon.LoadFromMemory(*file, "group", &budget);
    }
  }
  if (firstIcon == nullptr) return;
  TKvIcon replacement;
  if (!replacement.AddImage(16, 16, 4)) Mismatch();
  const auto icon = replacement.SaveToMemory();
  if (!icon) Mismatch();
  const auto written = ReplaceGroup(*program, firstIcon->name, *icon);
  if (!written) return;
  const auto again = ProgramFile::Read(*written);
  if (!again) Mismatch();
  // Names are shared by the entries that use them: each is compared once.
  std::map<const std::u16string*, bool> replaced;
  for (const IconGroup& group : again->Groups()) {
    if (group.kind != GroupKind::kIcon) continue;
    const auto [known, added] = replaced.try_emplace(group.name.name.get(), false);
    if (added) known->second = SameResource(group.name, firstIcon->name);
    if (!known->second) continue;
    const auto file = again->GroupFile(group);
    if (!file || *file != *icon) Mismatch();
  }
}

// A kind nothing above checks is fuzzed as soon as it has a row and a seed.
void CheckByTable(std::span<const std::uint8_t> bytes) {
  const formats::FileFormat* format = formats::FormatByContent(bytes);
  if (format == nullptr || format->read == nullptr || format->kind == formats::FileKind::kAnimatedCursor ||
      format->kind == formats::FileKind::kXcursor) {
    return;
  }
  const auto read = format->read(bytes, "input", nullptr);
  if (!read) return;
  for (const auto& frame : read->frames) {
    const auto saved = frame->SaveToMemory();
    if (!saved) Mismatch();
    TKvIcon again;
    if (!again.LoadFromMemory(*saved, "saved")) Mismatch();
    ExpectSame(*frame, again);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  (void)formats::ParseInstallInf(bytes);
  for (const auto& d : pixmint::doctor::Examine(bytes, {}).directories) (void)pixmint::doctor::PickEntries(d.check);
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') CheckBmp(bytes);
  if (pixmint::document::HasPngSignature(bytes)) CheckPng(bytes);
  if (formats::LooksLikeAni(bytes)) CheckAni(bytes);
  if (formats::LooksLikeXcursor(bytes)) CheckXcursor(bytes);
  CheckByTable(bytes);
  if (pixmint::formats::LooksLikePe(bytes)) {
    CheckProgram(bytes);
    return 0;
  }
  TKvIcon first;
  if (!first.LoadFromMemory(bytes, "input")) return 0;
  // Saved as what it was read as, so that a cursor keeps its hot spots.
  first.SetIcon(first.FileType() != pixmint::document::kTypeCursor);
  const auto saved = first.SaveToMemory();
  if (!saved) Mismatch();
  TKvIcon second;
  if (!second.LoadFromMemory(*saved, "saved")) Mismatch();
  ExpectSame(first, second);
  return 0;
}
