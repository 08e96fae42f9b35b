#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/file_io.h"
#include "document/ico_reader.h"
#include "document/icon_image.h"
#include "document/image_surface.h"
#include "raster/colour.h"

namespace pixmint::document {

// The document: up to 32 images of one icon or cursor, each held as its raw
// block (IR) and as live surfaces (XorBitmap, AndBitmap) where pixels are read
// and written, and with its hot spot, which travels with the image through
// every operation and always lies inside it. Indexed accessors answer
// nothing (empty span, nullptr, 0, (0, 0)) for i > 31 or a position without
// an image; they do not otherwise check i against ImageCount.
class TKvIcon {
 public:
  TKvIcon();
  ~TKvIcon();
  TKvIcon(const TKvIcon&) = delete;
  TKvIcon& operator=(const TKvIcon&) = delete;

  [[nodiscard]] std::uint32_t ImageCount() const { return count_; }
  [[nodiscard]] const IconResource* IR() const { return resource_.get(); }

  // The colour bits (bottom-up, colour row bytes per row) and the mask bits
  // (bottom-up, 1 = transparent) of the live surfaces.
  [[nodiscard]] std::span<std::uint8_t> XorDataPointer(std::uint32_t i);
  [[nodiscard]] std::span<std::uint8_t> AndDataPointer(std::uint32_t i);
  [[nodiscard]] std::uint32_t XorDataSize(std::uint32_t i) const;
  [[nodiscard]] std::uint32_t AndDataSize(std::uint32_t i) const;
  [[nodiscard]] ImageSurface* XorBitmap(std::uint32_t i);
  [[nodiscard]] const ImageSurface* XorBitmap(std::uint32_t i) const;
  [[nodiscard]] MaskSurface* AndBitmap(std::uint32_t i);
  [[nodiscard]] const MaskSurface* AndBitmap(std::uint32_t i) const;
  [[nodiscard]] const IconDrawing* IconHandle(std::uint32_t i) const;
  [[nodiscard]] raster::Point GetHotSpot(std::uint32_t i) const;
  // A point outside the image is held at its nearest edge.
  void SetHotSpot(std::uint32_t i, raster::Point p);
  // Bits per pixel of image i (0 when there is none).
  [[nodiscard]] std::uint32_t Colors(std::uint32_t i) const;

  // True for an icon, false for a cursor; decides the file type when saving.
  [[nodiscard]] bool IsIcon() const { return isIcon_; }
  void SetIcon(bool isIcon) { isIcon_ = isIcon; }

  // The entry as the file held it, when image i still shows exactly what was
  // read (surfaces, table and storage unchanged): saving writes these bytes
  // again, so tuned compression and odd but valid encodings survive. Nothing
  // for an image made, converted or drawn on here.
  [[nodiscard]] std::optional<std::span<const std::uint8_t>> KeptBlock(std::uint32_t i) const;
  // Forgets the entry as read, so that image i is encoded anew on saving.
  void DropKeptBlock(std::uint32_t i);
  // Keeps only the first bytes of the entry as read (its data without what
  // followed it inside the entry).
  void TrimKeptBlock(std::uint32_t i, std::size_t bytes);

  // A 32-bit image stored as PNG in the file (written back as PNG).
  [[nodiscard]] bool IsPngCompressed(std::uint32_t i) const;
  void SetPngCompressed(std::uint32_t i, bool png);

  [[nodiscard]] bool AddImage(int width, int height, int bitCount);
  [[nodiscard]] bool DeleteImage(std::uint32_t i);
  [[nodiscard]] bool DuplicateImage(std::uint32_t i);
  // Appends a copy of image i of another document: its block, table, PNG
  // flag and hot spot. False when the document is full or there is no image i.
  [[nodiscard]] bool AppendImage(const TKvIcon& source, std::uint32_t i);
  // Image i's block as Save writes it before any PNG compression: its record
  // with the pixels of its live surfaces. Nothing when there is no image i.
  [[nodiscard]] std::optional<IconImage> ImageRecord(std::uint32_t i) const;
  // Appends an image from such a block, with its hot spot. False when the
  // document is full or the block does not hold an image.
  [[nodiscard]] bool AppendRecord(IconImage record, raster::Point hotSpot);
  [[nodiscard]] bool ExchangeImages(std::uint32_t i, std::uint32_t j);
  [[nodiscard]] bool ChangeFormat(std::uint32_t i, int width, int height, int bitCount);
  // Gives an image of 1, 4 or 8 bits the table (at most 2^bits colours; the
  // rest of the table becomes black). The stored indices stay as they are.
  [[nodiscard]] bool SetColourTable(std::uint32_t i, std::span<const raster::Colour> table);
  // The image's colour table, or for 16, 24 and 32 bits the first 247
  // entries of the default 8-bit table. Empty when there is no image i.
  [[nodiscard]] std::vector<raster::Colour> ImagePalette(std::uint32_t i) const;

  // Loading works only on an empty document (kAlreadyLoaded otherwise). The
  // file's own type field is kept in FileType(); a cursor file's hot spots go
  // to the positions. A file that does not exist fails with kFileMissing;
  // the reader's failures come as they are.
  texts::Result<void> LoadFromFile(const std::string& fileName);
  // budget, when given, is shared with the other parts of one file (the
  // frames of an animation, the groups of a program).
  texts::Result<void> LoadFromMemory(std::span<const std::uint8_t> bytes, const std::string& name,
                                     ReadBudget* budget = nullptr);
  [[nodiscard]] std::uint16_t FileType() const { return fileType_; }

  // Success, or the reason the file could not be written.
  texts::Result<void> SaveToFile(const std::string& fileName) const;
  [[nodiscard]] std::optional<std::vector<std::uint8_t>> SaveToMemory() const;

 private:
  struct Slot {
    std::unique_ptr<ImageSurface> colour;
    std::unique_ptr<MaskSurface> mask;
    std::unique_ptr<IconDrawing> handle;
  };

  [[nodiscard]] bool CreateImageObjects(std::uint32_t i);
  void ReleaseImageObjects(std::uint32_t i);
  void CopySurfacesToRecord(std::uint32_t i);
  // True when the surfaces of i hold what its record holds.
  [[nodiscard]] bool SurfacesMatchRecord(std::uint32_t i) const;
  [[nodiscard]] bool Used(std::uint32_t i) const { return i < kMaxImages && slots_[i].colour != nullptr; }
  [[nodiscard]] raster::Point Inside(std::uint32_t i, raster::Point p) const;
  texts::Result<void> Adopt(texts::Result<std::unique_ptr<IconResource>> read, const IconFileInfo& info);
  void RemoveLast();

  std::unique_ptr<IconResource> resource_;
  std::uint32_t count_ = 0;
  bool isIcon_ = true;
  std::uint16_t fileType_ = 0;
  std::array<Slot, kMaxImages> slots_;
  std::array<raster::Point, kMaxImages> hotSpots_{};
};

}  // namespace pixmint::document
