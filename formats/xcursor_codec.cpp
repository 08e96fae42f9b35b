#include "formats/xcursor_codec.h"

#include <algorithm>

#include "document/byte_io.h"
#include "document/limits.h"

namespace pixmint::formats {
namespace {

using document::GetU32;

constexpr std::uint32_t kMagic = 0x72756358;  // "Xcur"
constexpr std::uint32_t kFileHeaderBytes = 16;
constexpr std::uint32_t kFileVersion = 0x10000;
constexpr std::uint32_t kTocEntryBytes = 12;
constexpr std::uint32_t kImageType = 0xFFFD0002;
constexpr std::uint32_t kImageHeaderBytes = 36;
constexpr std::uint32_t kImageVersion = 1;

// One image chunk as its table entry and header describe it; the pixels
// are read only once every chunk has been checked.
struct Chunk {
  std::uint64_t begin = 0;
  std::uint64_t end = 0;
  std::size_t entry = 0;  // table entry k, for messages
  std::uint32_t header = 0;
  XcursorImage image;  // all but the pixels
};

// Checks the image chunk that table entry k points at.
std::optional<Chunk> MeasureImage(std::span<const std::uint8_t> bytes, std::size_t k, std::uint32_t subtype,
                                  std::uint64_t position, std::string& why) {
  const std::string where = "image " + std::to_string(k) + " at offset " + std::to_string(position);
  if (position > bytes.size() || bytes.size() - position < kImageHeaderBytes) {
    why = where + ": the chunk header lies outside the file";
    return std::nullopt;
  }
  const auto at = static_cast<std::size_t>(position);
  const std::uint32_t header = GetU32(bytes, at);
  if (header < kImageHeaderBytes || header > bytes.size() - at || GetU32(bytes, at + 4) != kImageType ||
      GetU32(bytes, at + 8) != subtype) {
    why = where + ": the chunk does not match its table entry";
    return std::nullopt;
  }
  const std::uint32_t w = GetU32(bytes, at + 16), h = GetU32(bytes, at + 20);
  if (w == 0 || h == 0 || w > kXcursorMaxSide || h > kXcursorMaxSide) {
    why = where + ": size " + std::to_string(w) + "x" + std::to_string(h);
    return std::nullopt;
  }
  const std::uint64_t pixelBytes = std::uint64_t{w} * h * 4;
  if (pixelBytes > bytes.size() - at - header) {
    why = where + ": " + std::to_string(w) + "x" + std::to_string(h) + " pixels run past the end of the file";
    return std::nullopt;
  }
  // The format allows a hot spot on the far edge, not beyond it.
  const std::uint32_t xhot = GetU32(bytes, at + 24), yhot = GetU32(bytes, at + 28);
  if (xhot > w || yhot > h) {
    why = where + ": hot spot " + std::to_string(xhot) + "," + std::to_string(yhot) + " outside the image";
    return std::nullopt;
  }
  Chunk chunk{position, position + header + pixelBytes, k, header, {}};
  chunk.image.nominalSize = subtype;
  chunk.image.delayMs = GetU32(bytes, at + 32);
  chunk.image.image.width = static_cast<int>(w);
  chunk.image.image.height = static_cast<int>(h);
  chunk.image.image.hotSpot = {static_cast<int>(xhot), static_cast<int>(yhot)};
  return chunk;
}

void ReadPixels(std::span<const std::uint8_t> bytes, const Chunk& chunk, ArgbImage& image) {
  const auto at = static_cast<std::size_t>(chunk.begin) + chunk.header;
  image.pixels.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
  for (std::size_t p = 0; p < image.pixels.size(); ++p) image.pixels[p] = GetU32(bytes, at + 4 * p);
}

// No two chunks may share bytes: entries that all point at one image would
// otherwise decode it once each.
bool CheckOverlap(std::vector<const Chunk*> chunks, std::string& why) {
  std::sort(chunks.begin(), chunks.end(), [](const Chunk* a, const Chunk* b) { return a->begin < b->begin; });
  for (std::size_t k = 1; k < chunks.size(); ++k) {
    if (chunks[k]->begin < chunks[k - 1]->end) {
      why = "the image chunks at offsets " + std::to_string(chunks[k - 1]->begin) + " and " +
            std::to_string(chunks[k]->begin) + " overlap";
      return false;
    }
  }
  return true;
}

void Put(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
}

bool Encodable(const XcursorImage& x) {
  const ArgbImage& i = x.image;
  return i.width > 0 && i.height > 0 && static_cast<std::uint32_t>(i.width) <= kXcursorMaxSide &&
         static_cast<std::uint32_t>(i.height) <= kXcursorMaxSide &&
         i.pixels.size() == static_cast<std::size_t>(i.width) * static_cast<std::size_t>(i.height) &&
         i.hotSpot.x >= 0 && i.hotSpot.y >= 0 && i.hotSpot.x <= i.width && i.hotSpot.y <= i.height;
}

}  // namespace

bool LooksLikeXcursor(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 4 && GetU32(bytes, 0) == kMagic;
}

std::optional<std::vector<XcursorImage>> DecodeXcursor(std::span<const std::uint8_t> bytes, std::string& why) {
  if (!LooksLikeXcursor(bytes) || bytes.size() < kFileHeaderBytes) {
    why = "not an Xcursor file";
    return std::nullopt;
  }
  const std::uint32_t header = GetU32(bytes, 4);
  const std::uint32_t ntoc = GetU32(bytes, 12);
  if (header < kFileHeaderBytes || header > bytes.size() || ntoc > (bytes.size() - header) / kTocEntryBytes) {
    why = "the table of contents (" + std::to_string(ntoc) + " entries) does not fit the file";
    return std::nullopt;
  }
  document::ReadBudget budget;
  if (!budget.TakeEntries(ntoc, why)) return std::nullopt;
  std::vector<Chunk> chunks;
  for (std::size_t k = 0; k < ntoc; ++k) {
    const std::size_t entry = header + kTocEntryBytes * k;
    if (GetU32(bytes, entry) != kImageType) continue;
    auto chunk = MeasureImage(bytes, k, GetU32(bytes, entry + 4), GetU32(bytes, entry + 8), why);
    if (!chunk) return std::nullopt;
    chunks.push_back(std::move(*chunk));
  }
  std::vector<const Chunk*> order;
  order.reserve(chunks.size());
  for (const Chunk& c : chunks) order.push_back(&c);
  if (!CheckOverlap(std::move(order), why)) return std::nullopt;
  for (const Chunk& c : chunks) {
    if (!budget.TakePixels(std::uint64_t(c.image.image.width) * std::uint64_t(c.image.image.height), why)) {
      why = "image " + std::to_string(c.entry) + ": " + why;
      return std::nullopt;
    }
  }
  std::vector<XcursorImage> images;
  images.reserve(chunks.size());
  for (Chunk& c : chunks) {
    ReadPixels(bytes, c, c.image.image);
    images.push_back(std::move(c.image));
  }
  return images;
}

std::optional<std::vector<std::uint8_t>> EncodeXcursor(std::span<const XcursorImage> images) {
  std::uint64_t total = kFileHeaderBytes + std::uint64_t{kTocEntryBytes} * images.size();
  for (const XcursorImage& x : images) {
    if (!Encodable(x)) return std::nullopt;
    total += kImageHeaderBytes + 4 * std::uint64_t{x.image.pixels.size()};
  }
  if (total > 0xFFFFFFFFull) return std::nullopt;
  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(total));
  for (std::uint32_t v : {kMagic, kFileHeaderBytes, kFileVersion, static_cast<std::uint32_t>(images.size())}) {
    Put(out, v);
  }
  std::uint32_t position = kFileHeaderBytes + kTocEntryBytes * static_cast<std::uint32_t>(images.size());
  for (const XcursorImage& x : images) {
    Put(out, kImageType);
    Put(out, x.nominalSize);
    Put(out, position);
    position += kImageHeaderBytes + 4 * static_cast<std::uint32_t>(x.image.pixels.size());
  }
  for (const XcursorImage& x : images) {
    const ArgbImage& i = x.image;
    for (std::uint32_t v :
         {kImageHeaderBytes, kImageType, x.nominalSize, kImageVersion, static_cast<std::uint32_t>(i.width),
          static_cast<std::uint32_t>(i.height), static_cast<std::uint32_t>(i.hotSpot.x),
          static_cast<std::uint32_t>(i.hotSpot.y), x.delayMs}) {
      Put(out, v);
    }
    for (std::uint32_t p : i.pixels) Put(out, p);
  }
  return out;
}

}  // namespace pixmint::formats
