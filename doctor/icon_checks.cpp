#include "doctor/icon_checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "document/byte_io.h"
#include "document/ico_layout.h"
#include "document/icon_image.h"
#include "document/png_codec.h"
#include "texts/failure.h"

namespace pixmint::doctor {
namespace {

using document::GetU16;
using document::GetU32;

constexpr int kPngTypeRgba = 6;
constexpr std::size_t kMaxCheckedEntries = 256;

std::string Num(std::int64_t v) {
  return std::to_string(v);
}

std::uint32_t BigU32(std::span<const std::uint8_t> b, std::size_t at) {
  return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) | (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

// Bytes of a PNG stream up to the end of its IEND chunk; 0 when the chunks
// run past the block before IEND.
std::uint64_t PngStreamLength(std::span<const std::uint8_t> block) {
  std::uint64_t at = 8;
  while (at + 12 <= block.size()) {
    const std::uint64_t length = BigU32(block, static_cast<std::size_t>(at));
    const bool end = std::equal(block.begin() + static_cast<std::ptrdiff_t>(at + 4),
                                block.begin() + static_cast<std::ptrdiff_t>(at + 8), "IEND");
    at += 12 + length;
    if (at > block.size()) return 0;
    if (end) return at;
  }
  return 0;
}

int PngBits(int depth, int colourType) {
  static constexpr std::array<int, 7> kChannels = {1, 0, 3, 1, 2, 0, 4};
  return colourType >= 0 && colourType < 7 ? depth * kChannels[static_cast<std::size_t>(colourType)] : 0;
}

void ExaminePng(std::span<const std::uint8_t> block, EntryInfo& e, std::uint64_t* budget, std::string_view part,
                std::vector<Finding>& out) {
  e.png = true;
  e.compressedHeader = true;
  if (block.size() >= 33) {
    e.width = static_cast<int>(BigU32(block, 16));
    e.height = static_cast<int>(BigU32(block, 20));
    e.pngDepth = block[24];
    e.pngColourType = block[25];
    e.bits = PngBits(e.pngDepth, e.pngColourType);
  }
  std::string why;
  const std::uint64_t pixels = std::uint64_t(std::max(e.width, 0)) * std::uint64_t(std::max(e.height, 0));
  if (budget != nullptr && pixels > *budget) {
    e.readable = e.width > 0 && e.height > 0;  // not decoded: its header is taken at its word
  } else {
    if (budget != nullptr) *budget -= pixels;
    const auto png = document::DecodePng(block, document::ChannelOrder::kBgra, document::kMaxIconPngSide);
    e.readable = png.has_value();
    if (!png) why = texts::EnglishMessage(png.error());
  }
  if (!e.readable) {
    Add(out, part, e.index, "unreadable", "PNG: " + (why.empty() ? std::string("unreadable") : why));
    return;
  }
  e.dataLength = PngStreamLength(block);
  if (const std::uint64_t length = e.dataLength; length != 0 && length < block.size()) {
    Add(out, part, e.index, "extra-bytes",
        Num(static_cast<std::int64_t>(block.size() - length)) + " bytes after the PNG stream");
  }
  if (e.pngDepth != 8 || e.pngColourType != kPngTypeRgba) {
    Add(out, part, e.index, "png-not-rgba",
        "PNG of " + Num(e.pngDepth) + "-bit channels, colour type " + Num(e.pngColourType) +
            "; Windows and most readers expect 8-bit RGBA");
  }
  if (std::max(e.width, e.height) < 256) {
    Add(out, part, e.index, "png-small",
        Num(e.width) + "x" + Num(e.height) + " stored as PNG: Windows XP, older readers and GNOME's loader skip it");
  }
}

void ExamineBitmap(std::span<const std::uint8_t> file, EntryInfo& e, std::string_view part, std::vector<Finding>& out) {
  const auto rest = file.subspan(e.offset);
  if (rest.size() >= 20) e.compressedHeader = GetU32(rest, 16) != 0;
  const auto extent = document::MeasureImageBlock(rest);
  if (!extent) {
    Add(out, part, e.index, "unreadable", "bitmap: " + texts::EnglishMessage(extent.error()));
    return;
  }
  const document::BitmapHeader h = document::ParseHeader(rest);
  e.width = h.width;
  e.height = h.height / 2;
  e.dataLength = extent->end;
  e.bits = h.planes * h.bitCount;
  // The header doubles the image height for its mask. When it matches
  // neither the directory nor a square image, the bitmap is at fault;
  // otherwise the directory (dir-height) is.
  if (h.height != 2 * e.dirHeight && h.height != 2 * h.width) {
    Add(out, part, e.index, "bmp-height",
        "bitmap height " + Num(h.height) + " is not twice the image height " + Num(e.dirHeight));
    e.height = e.dirHeight;
  }
  if (e.size < extent->colourEnd) {
    Add(out, part, e.index, "dir-size",
        "entry of " + Num(e.size) + " bytes; its colour bits end at " +
            Num(static_cast<std::int64_t>(extent->colourEnd)));
  } else if (e.size < extent->end && e.bits == 32 && e.size == extent->colourEnd) {
    Add(out, part, e.index, "mask-missing", "32-bit bitmap without its AND mask; older Windows and readers fail on it");
  } else if (e.size < extent->end) {
    Add(out, part, e.index, "mask-short",
        "AND mask of " + Num(static_cast<std::int64_t>(e.size - extent->colourEnd)) + " bytes, needs " +
            Num(static_cast<std::int64_t>(extent->end - extent->colourEnd)));
  } else if (e.size > extent->end) {
    Add(out, part, e.index, "extra-bytes",
        Num(static_cast<std::int64_t>(e.size - extent->end)) + " bytes after the mask");
  }
  e.readable = extent->end <= rest.size() || (e.bits == 32 && e.size == extent->colourEnd);
  if (!e.readable)
    Add(out, part, e.index, "unreadable",
        "bitmap: " + texts::EnglishMessage(document::ShortBlock(rest.size(), extent->end)));
  if (std::max(e.width, e.height) >= 256) {
    Add(out, part, e.index, "bmp-256",
        Num(e.width) + "x" + Num(e.height) + " stored as a bitmap; PNG holds it in about a quarter of the bytes");
  }
}

void CheckDirectory(const EntryInfo& e, bool cursor, std::string_view part, std::vector<Finding>& out) {
  if (e.dirWidth != e.width) {
    Add(out, part, e.index, "dir-width", "directory width " + Num(e.dirWidth) + ", image " + Num(e.width));
  }
  if (e.dirHeight != e.height) {
    Add(out, part, e.index, "dir-height", "directory height " + Num(e.dirHeight) + ", image " + Num(e.height));
  }
  const int colours = e.bits < 8 && !e.png ? 1 << e.bits : 0;
  if (e.dirColours != colours && !(e.dirColours == 0 && e.bits <= 8 && !e.png)) {
    Add(out, part, e.index, "dir-colours",
        "directory colour count " + Num(e.dirColours) + ", expected " + Num(colours));
  }
  if (e.dirReserved != 0) Add(out, part, e.index, "dir-reserved", "reserved byte " + Num(e.dirReserved));
  if (cursor) return;
  if (e.dirPlanes > 1) Add(out, part, e.index, "dir-planes", "directory planes " + Num(e.dirPlanes));
  if (e.dirBits == 0) {
    Add(out, part, e.index, "dir-bits-zero", "directory bit count 0, image " + Num(e.bits) + " bits");
  } else if (e.dirBits != e.bits) {
    Add(out, part, e.index, "dir-bits", "directory bit count " + Num(e.dirBits) + ", image " + Num(e.bits));
  }
}

// Entries whose byte ranges cross each other or the directory, and bytes
// left after the last one.
void CheckLayout(std::span<const EntryInfo> entries, std::uint64_t directoryEnd, std::uint64_t fileSize,
                 std::string_view part, std::vector<Finding>& out) {
  std::uint64_t last = directoryEnd;
  for (const EntryInfo& a : entries) {
    if (!a.inFile) continue;
    const std::uint64_t aEnd = std::uint64_t{a.offset} + a.size;
    last = std::max(last, aEnd);
    if (a.offset < directoryEnd && a.size > 0) {
      Add(out, part, a.index, "overlap", "data at offset " + Num(a.offset) + " overlaps the directory");
      continue;
    }
    for (const EntryInfo& b : entries) {
      if (b.index >= a.index || !b.inFile || a.size == 0 || b.size == 0) continue;
      const std::uint64_t bEnd = std::uint64_t{b.offset} + b.size;
      if (a.offset < bEnd && b.offset < aEnd) {
        Add(out, part, a.index, "overlap", "data overlaps entry " + Num(b.index));
        break;
      }
    }
  }
  if (last < fileSize) {
    Add(out, part, -1, "trailing-data",
        Num(static_cast<std::int64_t>(fileSize - last)) + " bytes after the last entry");
  }
}

void CheckSet(std::span<const std::uint8_t> file, const IconFileCheck& check, std::string_view part,
              std::vector<Finding>& out) {
  for (const EntryInfo& a : check.entries) {
    if (!a.readable) continue;
    for (const EntryInfo& b : check.entries) {
      if (b.index >= a.index || !b.readable || a.width != b.width || a.height != b.height) continue;
      const bool sameBytes =
          a.inFile && b.inFile && a.size == b.size &&
          std::equal(file.begin() + a.offset, file.begin() + a.offset + a.size, file.begin() + b.offset);
      if (sameBytes) {
        Add(out, part, a.index, "duplicate", "exact copy of entry " + Num(b.index));
        break;
      }
      // Cursors of one size and different hot spots are hot-spot findings.
      const bool sameHotSpot = a.dirPlanes == b.dirPlanes && a.dirBits == b.dirBits;
      if (a.bits == b.bits && (!check.cursor || sameHotSpot)) {
        Add(out, part, a.index, "duplicate",
            Num(a.width) + "x" + Num(a.height) + " " + Num(a.bits) + "-bit like entry " + Num(b.index) +
                "; programs show only one of them");
        break;
      }
    }
  }
}

void CheckSizes(const IconFileCheck& check, Profile profile, std::string_view part, std::vector<Finding>& out) {
  auto missing = [&](const std::vector<int>& sizes) {
    std::string list;
    for (int s : sizes) {
      const bool has = std::ranges::any_of(
          check.entries, [s](const EntryInfo& e) { return e.readable && e.width == s && e.height == s; });
      if (!has) list += (list.empty() ? "" : ", ") + Num(s);
    }
    return list;
  };
  const std::string kind = check.cursor                   ? "a cursor"
                           : profile == Profile::kFavicon ? "a favicon"
                                                          : "an application icon";
  if (const std::string list = missing(RequiredSizes(profile, check.cursor)); !list.empty()) {
    Add(out, part, -1, "missing-size", "no " + list + " image, which " + kind + " should have");
  }
  if (const std::string list = missing(ScaleSizes(profile, check.cursor)); !list.empty()) {
    Add(out, part, -1, "missing-scale-size", "no " + list + " image for other display scales");
  }
}

}  // namespace

std::vector<int> RequiredSizes(Profile profile, bool cursor) {
  if (cursor) return {32};
  if (profile == Profile::kFavicon) return {16, 32, 48};
  return {16, 24, 32, 48, 256};
}

std::vector<int> ScaleSizes(Profile profile, bool cursor) {
  if (cursor) return {48, 64};
  if (profile == Profile::kFavicon) return {};
  return {20, 40, 64};
}

void CheckHotSpots(std::span<const HotSpotImage> images, std::string_view part, std::vector<Finding>& out) {
  const HotSpotImage* largest = nullptr;
  for (const HotSpotImage& im : images) {
    if (im.x < 0 || im.y < 0 || im.x >= im.width || im.y >= im.height) {
      Add(out, part, im.index, "hotspot-outside",
          "hot spot " + Num(im.x) + "," + Num(im.y) + " outside the " + Num(im.width) + "x" + Num(im.height) +
              " image");
    } else if (largest == nullptr ||
               std::int64_t{im.width} * im.height > std::int64_t{largest->width} * largest->height) {
      largest = &im;
    }
  }
  if (largest == nullptr) return;
  // Where the largest image's hot spot lands in each size: the pixel its
  // centre falls in.
  auto scaled = [](int v, int from, int to) { return static_cast<int>(std::floor((v + 0.5) * to / from)); };
  for (const HotSpotImage& im : images) {
    if (&im == largest || im.x >= im.width || im.y >= im.height || im.x < 0 || im.y < 0) continue;
    const int ex = scaled(largest->x, largest->width, im.width), ey = scaled(largest->y, largest->height, im.height);
    if (std::abs(im.x - ex) > 1 || std::abs(im.y - ey) > 1) {
      Add(out, part, im.index, "hotspot-mismatch",
          "hot spot " + Num(im.x) + "," + Num(im.y) + "; entry " + Num(largest->index) + "'s " + Num(largest->x) + "," +
              Num(largest->y) + " scaled is " + Num(ex) + "," + Num(ey));
    }
  }
}

IconFileCheck CheckIconFile(std::span<const std::uint8_t> file, const CheckOptions& options, std::string_view part,
                            std::vector<Finding>& out) {
  IconFileCheck check;
  const std::uint16_t type = file.size() >= document::kIcoHeaderBytes ? GetU16(file, 2) : 0;
  if (file.size() < document::kIcoHeaderBytes || GetU16(file, 0) != 0 || (type != 1 && type != 2)) {
    Add(out, part, -1, "bad-header", "not an icon or cursor file");
    return check;
  }
  check.cursor = type == 2;
  const std::size_t count = GetU16(file, 4);
  if (count == 0) {
    Add(out, part, -1, "no-images", "the directory lists no image");
    return check;
  }
  const std::uint64_t directoryEnd = document::kIcoHeaderBytes + document::kIcoEntryBytes * count;
  if (directoryEnd > file.size()) {
    Add(out, part, -1, "bad-header",
        "a directory of " + Num(static_cast<std::int64_t>(count)) + " entries does not fit the file");
    return check;
  }
  // Pairs of entries are compared, so a hostile count is cut short.
  if (count > kMaxCheckedEntries) {
    Add(out, part, -1, "unreadable",
        Num(static_cast<std::int64_t>(count)) + " entries; only the first " + Num(kMaxCheckedEntries) + " are checked");
  }
  for (std::size_t i = 0; i < std::min<std::size_t>(count, kMaxCheckedEntries); ++i) {
    const auto d = file.subspan(document::kIcoHeaderBytes + document::kIcoEntryBytes * i, document::kIcoEntryBytes);
    EntryInfo e;
    e.index = static_cast<int>(i);
    e.dirWidth = d[0] == 0 ? 256 : d[0];
    e.dirHeight = d[1] == 0 ? 256 : d[1];
    e.dirColours = d[2];
    e.dirReserved = d[3];
    e.dirPlanes = GetU16(d, 4);
    e.dirBits = GetU16(d, 6);
    e.size = GetU32(d, 8);
    e.offset = GetU32(d, 12);
    e.inFile = std::uint64_t{e.offset} + e.size <= file.size() && e.size > 0;
    if (!e.inFile) {
      Add(out, part, e.index, "outside-file",
          Num(e.size) + " bytes at offset " + Num(e.offset) + " in a file of " +
              Num(static_cast<std::int64_t>(file.size())));
    } else {
      const auto block = file.subspan(e.offset, e.size);
      if (document::HasPngSignature(block)) {
        ExaminePng(block, e, options.pixelBudget, part, out);
      } else {
        ExamineBitmap(file, e, part, out);
      }
      if (e.readable) CheckDirectory(e, check.cursor, part, out);
    }
    check.entries.push_back(e);
  }
  CheckLayout(check.entries, directoryEnd, file.size(), part, out);
  CheckSet(file, check, part, out);
  if (options.sizes) CheckSizes(check, options.profile, part, out);
  if (check.cursor) {
    std::vector<HotSpotImage> spots;
    for (const EntryInfo& e : check.entries) {
      if (e.readable) spots.push_back({e.index, e.width, e.height, e.dirPlanes, e.dirBits});
    }
    CheckHotSpots(spots, part, out);
  }
  return check;
}

}  // namespace pixmint::doctor
