#include "document/kv_icon.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "document/ico_writer.h"

namespace pixmint::document {
namespace {

// Entries of the default 8-bit table offered for images without a table of
// their own: the grey steps and the first part of the colour cube.
constexpr std::size_t kTrueColourPaletteEntries = 247;

bool AnyTransparent(const MaskSurface& mask) {
  for (int y = 0; y < mask.Height(); ++y) {
    for (int x = 0; x < mask.Width(); ++x) {
      if (mask.Get(x, y)) return true;
    }
  }
  return false;
}

}  // namespace

TKvIcon::TKvIcon() = default;
TKvIcon::~TKvIcon() = default;

std::span<std::uint8_t> TKvIcon::XorDataPointer(std::uint32_t i) {
  return Used(i) ? slots_[i].colour->Bits() : std::span<std::uint8_t>{};
}
std::span<std::uint8_t> TKvIcon::AndDataPointer(std::uint32_t i) {
  return Used(i) ? slots_[i].mask->Bits() : std::span<std::uint8_t>{};
}
std::uint32_t TKvIcon::XorDataSize(std::uint32_t i) const {
  return Used(i) ? static_cast<std::uint32_t>(slots_[i].colour->Bits().size()) : 0;
}
std::uint32_t TKvIcon::AndDataSize(std::uint32_t i) const {
  return Used(i) ? static_cast<std::uint32_t>(slots_[i].mask->Bits().size()) : 0;
}
ImageSurface* TKvIcon::XorBitmap(std::uint32_t i) {
  return Used(i) ? slots_[i].colour.get() : nullptr;
}
const ImageSurface* TKvIcon::XorBitmap(std::uint32_t i) const {
  return Used(i) ? slots_[i].colour.get() : nullptr;
}
MaskSurface* TKvIcon::AndBitmap(std::uint32_t i) {
  return Used(i) ? slots_[i].mask.get() : nullptr;
}
const MaskSurface* TKvIcon::AndBitmap(std::uint32_t i) const {
  return Used(i) ? slots_[i].mask.get() : nullptr;
}
const IconDrawing* TKvIcon::IconHandle(std::uint32_t i) const {
  return Used(i) ? slots_[i].handle.get() : nullptr;
}
raster::Point TKvIcon::GetHotSpot(std::uint32_t i) const {
  return Used(i) ? hotSpots_[i] : raster::Point{};
}
void TKvIcon::SetHotSpot(std::uint32_t i, raster::Point p) {
  if (Used(i)) hotSpots_[i] = Inside(i, p);
}
raster::Point TKvIcon::Inside(std::uint32_t i, raster::Point p) const {
  // A hot spot outside its image would make the file invalid.
  const int width = static_cast<int>(resource_->Images[i].Width);
  const int height = static_cast<int>(resource_->Images[i].Height);
  return {std::clamp(p.x, 0, std::max(width - 1, 0)), std::clamp(p.y, 0, std::max(height - 1, 0))};
}
std::uint32_t TKvIcon::Colors(std::uint32_t i) const {
  return Used(i) ? resource_->Images[i].Colors : 0;
}

bool TKvIcon::IsPngCompressed(std::uint32_t i) const {
  return Used(i) && resource_->Images[i].pngCompressed;
}
void TKvIcon::SetPngCompressed(std::uint32_t i, bool png) {
  if (!Used(i)) return;
  IconImage& record = resource_->Images[i];
  const bool now = png && record.Colors == 32;
  if (now != record.pngCompressed) record.original.clear();
  record.pngCompressed = now;
}

bool TKvIcon::SurfacesMatchRecord(std::uint32_t i) const {
  const IconImage& record = resource_->Images[i];
  return std::ranges::equal(slots_[i].colour->Bits(), record.XorPart()) &&
         std::ranges::equal(slots_[i].mask->Bits(), record.AndPart());
}

std::optional<std::span<const std::uint8_t>> TKvIcon::KeptBlock(std::uint32_t i) const {
  // Comparing with the decoded record, rather than trusting every writer to
  // mark what it touched, cannot be forgotten by new code; and an image drawn
  // on and restored is again what was read.
  if (!Used(i) || resource_->Images[i].original.empty() || !SurfacesMatchRecord(i)) return std::nullopt;
  return std::span<const std::uint8_t>(resource_->Images[i].original);
}

void TKvIcon::DropKeptBlock(std::uint32_t i) {
  if (Used(i)) resource_->Images[i].original.clear();
}

void TKvIcon::TrimKeptBlock(std::uint32_t i, std::size_t bytes) {
  if (Used(i) && bytes < resource_->Images[i].original.size()) resource_->Images[i].original.resize(bytes);
}

bool TKvIcon::CreateImageObjects(std::uint32_t i) {
  if (!resource_ || i >= kMaxImages) return false;
  const IconImage& record = resource_->Images[i];
  const auto table = record.Colors <= 8 ? record.ColourTable() : std::span<const std::uint8_t>{};
  auto colour = std::make_unique<ImageSurface>(static_cast<int>(record.Width), static_cast<int>(record.Height),
                                               static_cast<int>(record.Colors), table);
  auto mask = std::make_unique<MaskSurface>(static_cast<int>(record.Width), static_cast<int>(record.Height));
  const auto xorPart = record.XorPart();
  const auto andPart = record.AndPart();
  if (xorPart.size() != colour->Bits().size() || andPart.size() != mask->Bits().size()) return false;
  std::copy(xorPart.begin(), xorPart.end(), colour->Bits().begin());
  std::copy(andPart.begin(), andPart.end(), mask->Bits().begin());
  Slot& slot = slots_[i];
  slot.handle = std::make_unique<IconDrawing>(*colour, *mask);
  slot.colour = std::move(colour);
  slot.mask = std::move(mask);
  return true;
}

void TKvIcon::ReleaseImageObjects(std::uint32_t i) {
  slots_[i] = Slot{};
}

void TKvIcon::CopySurfacesToRecord(std::uint32_t i) {
  if (!Used(i)) return;
  IconImage& record = resource_->Images[i];
  if (!record.original.empty() && !SurfacesMatchRecord(i)) record.original.clear();
  const auto colour = slots_[i].colour->Bits();
  const auto mask = slots_[i].mask->Bits();
  std::copy(colour.begin(), colour.end(), record.XorPart().begin());
  std::copy(mask.begin(), mask.end(), record.AndPart().begin());
}

void TKvIcon::RemoveLast() {
  if (count_ == 0) return;
  --count_;
  ReleaseImageObjects(count_);
  resource_->Images[count_] = IconImage{};
  resource_->ImageCount = count_;
}

bool TKvIcon::AddImage(int width, int height, int bitCount) {
  if (count_ >= kMaxImages) return false;
  IconImage record;
  if (!MakeBlankImage(width, height, bitCount, record)) return false;
  if (count_ == 0) resource_ = std::make_unique<IconResource>();
  resource_->Images[count_] = std::move(record);
  ++count_;
  resource_->ImageCount = count_;
  if (!CreateImageObjects(count_ - 1)) {
    RemoveLast();
    return false;
  }
  slots_[count_ - 1].colour->Fill(raster::Rgb(0, 0, 0));
  slots_[count_ - 1].mask->Fill(true);
  CopySurfacesToRecord(count_ - 1);
  // A position freed by a deleted image may still hold its hot spot.
  hotSpots_[count_ - 1] = {0, 0};
  return true;
}

bool TKvIcon::DeleteImage(std::uint32_t i) {
  if (count_ == 0 || i >= count_) return false;
  for (std::uint32_t p = i; p < count_; ++p) CopySurfacesToRecord(p);
  // Images move down, each with its hot spot.
  for (std::uint32_t p = i; p + 1 < count_; ++p) {
    resource_->Images[p] = std::move(resource_->Images[p + 1]);
    slots_[p] = std::move(slots_[p + 1]);
    hotSpots_[p] = hotSpots_[p + 1];
  }
  RemoveLast();
  return true;
}

bool TKvIcon::DuplicateImage(std::uint32_t i) {
  if (i >= count_ || !Used(i) || count_ >= kMaxImages) return false;
  // The whole block travels, colour table included, so the copy looks
  // exactly like its source.
  CopySurfacesToRecord(i);
  const std::uint32_t n = count_;
  resource_->Images[n] = resource_->Images[i];
  ++count_;
  resource_->ImageCount = count_;
  if (!CreateImageObjects(n)) {
    RemoveLast();
    return false;
  }
  hotSpots_[n] = hotSpots_[i];
  return true;
}

bool TKvIcon::AppendImage(const TKvIcon& source, std::uint32_t i) {
  if (count_ >= kMaxImages || !source.Used(i)) return false;
  auto record = source.ImageRecord(i);
  return record && AppendRecord(std::move(*record), source.hotSpots_[i]);
}

// The record with the pixels of the live surfaces; the block as read stays
// with it only while the surfaces still hold what it decodes to.
std::optional<IconImage> TKvIcon::ImageRecord(std::uint32_t i) const {
  if (!Used(i)) return std::nullopt;
  IconImage record = resource_->Images[i];
  if (!SurfacesMatchRecord(i)) record.original.clear();
  const auto colour = slots_[i].colour->Bits();
  const auto mask = slots_[i].mask->Bits();
  if (colour.size() != record.XorPart().size() || mask.size() != record.AndPart().size()) return std::nullopt;
  std::copy(colour.begin(), colour.end(), record.XorPart().begin());
  std::copy(mask.begin(), mask.end(), record.AndPart().begin());
  return record;
}

bool TKvIcon::AppendRecord(IconImage record, raster::Point hotSpot) {
  if (count_ >= kMaxImages || record.Data.empty()) return false;
  if (count_ == 0) resource_ = std::make_unique<IconResource>();
  const std::uint32_t n = count_;
  resource_->Images[n] = std::move(record);
  ++count_;
  resource_->ImageCount = count_;
  if (!CreateImageObjects(n)) {
    RemoveLast();
    return false;
  }
  hotSpots_[n] = hotSpot;
  return true;
}

bool TKvIcon::ExchangeImages(std::uint32_t i, std::uint32_t j) {
  if (i >= count_ || j >= count_ || !Used(i) || !Used(j)) return false;
  CopySurfacesToRecord(i);
  CopySurfacesToRecord(j);
  if (i == j) return true;
  std::swap(resource_->Images[i], resource_->Images[j]);
  std::swap(slots_[i], slots_[j]);
  std::swap(hotSpots_[i], hotSpots_[j]);
  return true;
}

bool TKvIcon::ChangeFormat(std::uint32_t i, int width, int height, int bitCount) {
  if (i >= count_ || !Used(i)) return false;
  IconImage record;
  if (!MakeBlankImage(width, height, bitCount, record)) return false;
  CopySurfacesToRecord(i);
  const IconImage& old = resource_->Images[i];
  const ImageSurface& source = *slots_[i].colour;
  bool quantised = false;
  if (bitCount <= 8 && static_cast<int>(old.Colors) == bitCount) {
    // The same depth keeps its own table, so every index keeps its colour.
    const auto table = old.ColourTable();
    const std::size_t room = record.xorOffset - record.HeaderSize();
    std::copy_n(table.begin(), std::min(table.size(), room), record.Data.begin() + record.HeaderSize());
  } else if (bitCount == 8 && old.Colors > 8) {
    // True colour to 8 bits: a table of the picture's own colours.
    raster::Picture scratch(width, height);
    StretchCopy(source, scratch);
    std::vector<std::uint8_t> header;
    std::vector<std::uint8_t> bits;
    MaskSurface mask(width, height);
    StretchCopy(*slots_[i].mask, mask);
    if (!QuantizeTo8Bit(scratch, header, bits, AnyTransparent(mask)) || header.size() != record.xorOffset ||
        bits.size() != record.XorPart().size()) {
      return false;
    }
    std::copy(header.begin() + kInfoHeaderBytes, header.end(), record.Data.begin() + kInfoHeaderBytes);
    std::copy(bits.begin(), bits.end(), record.XorPart().begin());
    quantised = true;
  }
  // The new image takes the old one's place; the old one is kept until the
  // new one is complete, so a failure leaves the document as it was.
  record.pngCompressed = bitCount == 32 && old.pngCompressed;
  IconImage previous = std::exchange(resource_->Images[i], std::move(record));
  Slot previousSlot = std::move(slots_[i]);
  if (!CreateImageObjects(i)) {
    resource_->Images[i] = std::move(previous);
    slots_[i] = std::move(previousSlot);
    return false;
  }
  if (!quantised) StretchCopy(*previousSlot.colour, *slots_[i].colour);
  StretchCopy(*previousSlot.mask, *slots_[i].mask);
  CopySurfacesToRecord(i);
  // A hot spot stays inside the new size.
  hotSpots_[i] = Inside(i, hotSpots_[i]);
  return true;
}

bool TKvIcon::SetColourTable(std::uint32_t i, std::span<const raster::Colour> table) {
  if (i >= count_ || !Used(i)) return false;
  IconImage& record = resource_->Images[i];
  const std::size_t entries = record.ColourTable().size() / 4;
  if (record.Colors > 8 || table.size() > entries) return false;
  CopySurfacesToRecord(i);
  record.original.clear();
  std::uint8_t* at = record.Data.data() + record.HeaderSize();
  for (std::size_t k = 0; k < entries; ++k, at += 4) {
    const raster::Colour c = k < table.size() ? table[k] : raster::Rgb(0, 0, 0);
    at[0] = raster::Blue(c);
    at[1] = raster::Green(c);
    at[2] = raster::Red(c);
    at[3] = 0;
  }
  ReleaseImageObjects(i);
  return CreateImageObjects(i);
}

std::vector<raster::Colour> TKvIcon::ImagePalette(std::uint32_t i) const {
  if (!Used(i)) return {};
  const IconImage& record = resource_->Images[i];
  if (ColourCount(ParseHeader(record.Header())) != 0) return TableColours(record.ColourTable());
  std::vector<raster::Colour> colours = TableColours(DefaultColourTable(8));
  colours.resize(kTrueColourPaletteEntries);
  return colours;
}

texts::Result<void> TKvIcon::LoadFromFile(const std::string& fileName) {
  if (resource_ || count_ != 0) return texts::Failure{texts::Fail::kAlreadyLoaded};
  std::error_code ec;
  if (!std::filesystem::exists(fileName, ec)) return texts::Failure{texts::Fail::kFileMissing};
  IconFileInfo info;
  return Adopt(ReadIconFile(fileName, &info), info);
}

texts::Result<void> TKvIcon::LoadFromMemory(std::span<const std::uint8_t> bytes, const std::string& name,
                                            ReadBudget* budget) {
  if (resource_ || count_ != 0) return texts::Failure{texts::Fail::kAlreadyLoaded};
  IconFileInfo info;
  return Adopt(ReadIconMemory(bytes, name, &info, budget), info);
}

texts::Result<void> TKvIcon::Adopt(texts::Result<std::unique_ptr<IconResource>> read, const IconFileInfo& info) {
  if (!read) return read.error();
  std::unique_ptr<IconResource> resource = std::move(*read);
  const std::uint32_t count = std::min(resource->ImageCount, kMaxImages);
  if (count == 0) return texts::Failure{texts::Fail::kNotIconOrCursor};
  resource_ = std::move(resource);
  for (std::uint32_t i = 0; i < count; ++i) {
    if (!CreateImageObjects(i)) {
      for (std::uint32_t p = 0; p < kMaxImages; ++p) ReleaseImageObjects(p);
      resource_.reset();
      count_ = 0;
      // Surfaces fail only when memory does.
      return texts::Failure{texts::Fail::kOutOfMemory};
    }
  }
  count_ = count;
  fileType_ = info.type;
  for (std::uint32_t i = 0; i < count; ++i) hotSpots_[i] = Inside(i, info.hotSpots[i]);
  return {};
}

texts::Result<void> TKvIcon::SaveToFile(const std::string& fileName) const {
  return WriteIconFile(*this, fileName);
}

std::optional<std::vector<std::uint8_t>> TKvIcon::SaveToMemory() const {
  return WriteIconMemory(*this);
}

}  // namespace pixmint::document
