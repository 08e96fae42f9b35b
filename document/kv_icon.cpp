#include "document/kv_icon.h"

#include <algorithm>
#include <filesystem>

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
  if (Used(i)) hotSpots_[i] = p;
}
std::uint32_t TKvIcon::Colors(std::uint32_t i) const {
  return Used(i) ? resource_->Images[i].Colors : 0;
}

bool TKvIcon::IsPngCompressed(std::uint32_t i) const {
  return Used(i) && resource_->Images[i].pngCompressed;
}
void TKvIcon::SetPngCompressed(std::uint32_t i, bool png) {
  if (Used(i)) resource_->Images[i].pngCompressed = png && resource_->Images[i].Colors == 32;
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
  return true;
}

bool TKvIcon::DeleteImage(std::uint32_t i) {
  if (count_ == 0 || i >= count_) return false;
  for (std::uint32_t p = i; p < count_; ++p) CopySurfacesToRecord(p);
  // Images move down; hot spots stay with their positions.
  for (std::uint32_t p = i; p + 1 < count_; ++p) {
    resource_->Images[p] = std::move(resource_->Images[p + 1]);
    slots_[p] = std::move(slots_[p + 1]);
  }
  RemoveLast();
  return true;
}

bool TKvIcon::DuplicateImage(std::uint32_t i) {
  if (i >= count_ || !Used(i)) return false;
  const IconImage& source = resource_->Images[i];
  if (!AddImage(static_cast<int>(source.Width), static_cast<int>(source.Height), static_cast<int>(source.Colors))) {
    return false;
  }
  // Only the pixel values travel: the copy keeps the default table of its depth.
  const std::uint32_t n = count_ - 1;
  const auto colour = slots_[i].colour->Bits();
  const auto mask = slots_[i].mask->Bits();
  std::copy(colour.begin(), colour.end(), slots_[n].colour->Bits().begin());
  std::copy(mask.begin(), mask.end(), slots_[n].mask->Bits().begin());
  CopySurfacesToRecord(n);
  resource_->Images[n].pngCompressed = resource_->Images[i].pngCompressed;
  return true;
}

bool TKvIcon::ExchangeImages(std::uint32_t i, std::uint32_t j) {
  if (i >= count_ || j >= count_ || !Used(i) || !Used(j)) return false;
  CopySurfacesToRecord(i);
  CopySurfacesToRecord(j);
  if (i == j) return true;
  std::swap(resource_->Images[i], resource_->Images[j]);
  std::swap(slots_[i], slots_[j]);
  return true;
}

bool TKvIcon::ChangeFormat(std::uint32_t i, int width, int height, int bitCount) {
  if (i >= count_ || !Used(i)) return false;
  if (!AddImage(width, height, bitCount)) return false;
  const std::uint32_t n = count_ - 1;
  IconImage& target = resource_->Images[n];
  const ImageSurface& source = *slots_[i].colour;
  if (bitCount != 8 || source.BitCount() <= 8) {
    StretchCopy(source, *slots_[n].colour);
  } else {
    // True colour to 8 bits: the image gets a table of its own most
    // frequent colours.
    raster::Picture scratch(width, height);
    StretchCopy(source, scratch);
    std::vector<std::uint8_t> header;
    std::vector<std::uint8_t> bits;
    MaskSurface mask(width, height);
    StretchCopy(*slots_[i].mask, mask);
    if (!QuantizeTo8Bit(scratch, header, bits, AnyTransparent(mask)) || header.size() != target.xorOffset ||
        bits.size() != target.XorPart().size()) {
      RemoveLast();
      return false;
    }
    std::copy(header.begin() + kInfoHeaderBytes, header.end(), target.Data.begin() + kInfoHeaderBytes);
    std::copy(bits.begin(), bits.end(), target.XorPart().begin());
    ReleaseImageObjects(n);
    if (!CreateImageObjects(n)) {
      RemoveLast();
      return false;
    }
  }
  StretchCopy(*slots_[i].mask, *slots_[n].mask);
  CopySurfacesToRecord(n);
  target.pngCompressed = bitCount == 32 && resource_->Images[i].pngCompressed;
  return ExchangeImages(i, n) && DeleteImage(n);
}

std::vector<raster::Colour> TKvIcon::ImagePalette(std::uint32_t i) const {
  if (!Used(i)) return {};
  const IconImage& record = resource_->Images[i];
  if (ColourCount(ParseHeader(record.Header())) != 0) return TableColours(record.ColourTable());
  std::vector<raster::Colour> colours = TableColours(DefaultColourTable(8));
  colours.resize(kTrueColourPaletteEntries);
  return colours;
}

bool TKvIcon::LoadFromFile(const std::string& fileName) {
  if (resource_ || count_ != 0) {
    if (onError_) onError_(kErrorAlreadyLoaded, "Error");
    return false;
  }
  std::error_code ec;
  if (!std::filesystem::exists(fileName, ec)) return false;
  IconFileInfo info;
  return Adopt(ReadIconFile(fileName, onError_, &info), info);
}

bool TKvIcon::LoadFromMemory(std::span<const std::uint8_t> bytes, const std::string& name) {
  if (resource_ || count_ != 0) {
    if (onError_) onError_(kErrorAlreadyLoaded, "Error");
    return false;
  }
  IconFileInfo info;
  return Adopt(ReadIconMemory(bytes, name, onError_, &info), info);
}

bool TKvIcon::Adopt(std::unique_ptr<IconResource> resource, const IconFileInfo& info) {
  if (!resource) return false;
  const std::uint32_t count = std::min(resource->ImageCount, kMaxImages);
  if (count == 0) return false;
  resource_ = std::move(resource);
  for (std::uint32_t i = 0; i < count; ++i) {
    if (!CreateImageObjects(i)) {
      for (std::uint32_t p = 0; p < kMaxImages; ++p) ReleaseImageObjects(p);
      resource_.reset();
      count_ = 0;
      return false;
    }
  }
  count_ = count;
  fileType_ = info.type;
  hotSpots_ = info.hotSpots;
  return true;
}

FileResult TKvIcon::SaveToFile(const std::string& fileName) const {
  return WriteIconFile(*this, fileName);
}

std::optional<std::vector<std::uint8_t>> TKvIcon::SaveToMemory() const {
  return WriteIconMemory(*this);
}

}  // namespace pixmint::document
