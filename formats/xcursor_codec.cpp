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
texts::Result<Chunk> MeasureImage(std::span<const std::uint8_t> bytes, std::size_t k, std::uint32_t subtype,
                                  std::uint64_t position) {
  const auto fail = [&](texts::Failure what) {
    return texts::Within(texts::Fail::kXcursorImageAt, {std::to_string(k), std::to_string(position)}, std::move(what));
  };
  using texts::Fail;
  if (position > bytes.size() || bytes.size() - position < kImageHeaderBytes) return fail({Fail::kChunkHeaderOutside});
  const auto at = static_cast<std::size_t>(position);
  const std::uint32_t header = GetU32(bytes, at);
  if (header < kImageHeaderBytes || header > bytes.size() - at || GetU32(bytes, at + 4) != kImageType ||
      GetU32(bytes, at + 8) != subtype) {
    return fail({Fail::kChunkMismatch});
  }
  const std::uint32_t w = GetU32(bytes, at + 16), h = GetU32(bytes, at + 20);
  if (w == 0 || h == 0 || w > kXcursorMaxSide || h > kXcursorMaxSide) {
    return fail({Fail::kXcursorImageSize, {std::to_string(w), std::to_string(h)}});
  }
  const std::uint64_t pixelBytes = std::uint64_t{w} * h * 4;
  if (pixelBytes > bytes.size() - at - header) {
    return fail({Fail::kPixelsPastEnd, {std::to_string(w), std::to_string(h)}});
  }
  // The format allows a hot spot on the far edge, not beyond it.
  const std::uint32_t xhot = GetU32(bytes, at + 24), yhot = GetU32(bytes, at + 28);
  if (xhot > w || yhot > h) {
    return fail({Fail::kHotSpotOutsideImage, {std::to_string(xhot), std::to_string(yhot)}});
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
texts::Result<void> CheckOverlap(std::vector<const Chunk*> chunks) {
  std::sort(chunks.begin(), chunks.end(), [](const Chunk* a, const Chunk* b) { return a->begin < b->begin; });
  for (std::size_t k = 1; k < chunks.size(); ++k) {
    if (chunks[k]->begin < chunks[k - 1]->end) {
      return texts::Failure{texts::Fail::kChunksOverlap,
                            {std::to_string(chunks[k - 1]->begin), std::to_string(chunks[k]->begin)}};
    }
  }
  return {};
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

texts::Result<std::vector<XcursorImage>> DecodeXcursor(std::span<const std::uint8_t> bytes) {
  using texts::Fail;
  if (!LooksLikeXcursor(bytes) || bytes.size() < kFileHeaderBytes) return texts::Failure{Fail::kNotXcursor};
  const std::uint32_t header = GetU32(bytes, 4);
  const std::uint32_t ntoc = GetU32(bytes, 12);
  if (header < kFileHeaderBytes || header > bytes.size() || ntoc > (bytes.size() - header) / kTocEntryBytes) {
    return texts::Failure{Fail::kXcursorTocTooLarge, {std::to_string(ntoc)}};
  }
  document::ReadBudget budget;
  if (auto taken = budget.TakeEntries(ntoc); !taken) return taken.error();
  std::vector<Chunk> chunks;
  for (std::size_t k = 0; k < ntoc; ++k) {
    const std::size_t entry = header + kTocEntryBytes * k;
    if (GetU32(bytes, entry) != kImageType) continue;
    auto chunk = MeasureImage(bytes, k, GetU32(bytes, entry + 4), GetU32(bytes, entry + 8));
    if (!chunk) return chunk.error();
    chunks.push_back(std::move(*chunk));
  }
  std::vector<const Chunk*> order;
  order.reserve(chunks.size());
  for (const Chunk& c : chunks) order.push_back(&c);
  if (auto apart = CheckOverlap(std::move(order)); !apart) return apart.error();
  for (const Chunk& c : chunks) {
    if (auto taken = budget.TakePixels(std::uint64_t(c.image.image.width) * std::uint64_t(c.image.image.height));
        !taken) {
      return texts::Within(Fail::kInImage, {std::to_string(c.entry)}, taken.error());
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
