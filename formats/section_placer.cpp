// Puts a rebuilt resource section into a copy of a program file and brings
// the headers up to date.
#include <algorithm>

#include "document/byte_io.h"
#include "formats/pe_writer.h"

namespace pixmint::formats {
namespace {

using document::GetU32;
using document::PutU32;

constexpr std::uint32_t kDefaultFileAlignment = 512;
constexpr std::uint32_t kDefaultSectionAlignment = 4096;
constexpr std::uint32_t kInitializedData = 0x40;
constexpr std::size_t kSymbolTableField = 8;  // in the COFF header

std::uint64_t AlignUp(std::uint64_t n, std::uint32_t a) {
  return (n + a - 1) / a * a;
}

std::uint32_t Usable(std::uint32_t alignment, std::uint32_t fallback) {
  return alignment == 0 || alignment > (1u << 20) ? fallback : alignment;
}

bool IsLast(const PeImage& image, const PeSection& s) {
  return std::all_of(image.sections.begin(), image.sections.end(), [&](const PeSection& t) {
    if (&t == &s) return true;
    return t.virtualAddress < s.virtualAddress && (t.rawSize == 0 || t.rawPointer < s.rawPointer);
  });
}

// Another section sharing addresses or file bytes with the new section
// would make either of them wrong.
bool Overlaps(const PeImage& image, const PeSection& s, std::uint64_t virtualSize, std::uint64_t rawSize) {
  const auto cross = [](std::uint64_t a, std::uint64_t aSize, std::uint64_t b, std::uint64_t bSize) {
    return aSize != 0 && bSize != 0 && a < b + bSize && b < a + aSize;
  };
  return std::any_of(image.sections.begin(), image.sections.end(), [&](const PeSection& t) {
    if (&t == &s) return false;
    return cross(t.virtualAddress, std::max(t.virtualSize, t.rawSize), s.virtualAddress,
                 std::max(virtualSize, rawSize)) ||
           cross(t.rawPointer, t.rawSize, s.rawPointer, rawSize);
  });
}

// Room in the address space before the next section, if one follows.
std::optional<std::uint64_t> VirtualRoom(const PeImage& image, const PeSection& s) {
  std::optional<std::uint64_t> room;
  for (const PeSection& t : image.sections) {
    if (t.virtualAddress > s.virtualAddress) {
      const std::uint64_t gap = t.virtualAddress - std::uint64_t{s.virtualAddress};
      room = room ? std::min(*room, gap) : gap;
    }
  }
  return room;
}

// A signature covers the old bytes only: its directory entry is cleared and,
// when it closes the file as usual, its data goes too.
void DropSignature(const PeImage& image, std::vector<std::uint8_t>& out, std::size_t oldEnd, std::int64_t delta) {
  const auto entry = image.DataDirEntry(kDirSecurity);
  if (!entry) return;
  const std::uint64_t offset = GetU32(out, *entry);
  const std::uint64_t size = GetU32(out, *entry + 4);
  PutU32(out, *entry, 0);
  PutU32(out, *entry + 4, 0);
  if (size == 0 || offset < oldEnd) return;
  const std::uint64_t moved = static_cast<std::uint64_t>(static_cast<std::int64_t>(offset) + delta);
  if (moved + size == out.size()) out.resize(static_cast<std::size_t>(moved));
}

}  // namespace

texts::Result<std::vector<std::uint8_t>> PlaceResourceSection(const ProgramFile& program,
                                                              std::span<const std::uint8_t> newSection) {
  using texts::Fail;
  const PeImage& image = program.Image();
  const auto file = program.Bytes();
  const std::uint32_t rva = program.Tree().rva;
  const PeSection* s = SectionOfRva(image, rva);
  if (s == nullptr || rva != s->virtualAddress) return texts::Failure{Fail::kSectionShared};
  const std::uint64_t oldEnd = std::uint64_t{s->rawPointer} + s->rawSize;
  if (oldEnd > file.size()) return texts::Failure{Fail::kSectionBeyondEnd};
  const bool last = IsLast(image, *s);
  const auto room = VirtualRoom(image, *s);
  if (!last && (newSection.size() > s->rawSize || (room && newSection.size() > *room))) {
    return texts::Failure{Fail::kSectionNotLast,
                          {std::to_string(newSection.size() - std::min<std::size_t>(newSection.size(), s->rawSize))}};
  }
  const std::uint64_t rawSize =
      last ? AlignUp(newSection.size(), Usable(image.fileAlignment, kDefaultFileAlignment)) : s->rawSize;
  if (rawSize > 0xFFFFFFFFull || std::uint64_t{s->rawPointer} + rawSize > 0xFFFFFFFFull) {
    return texts::Failure{Fail::kSectionTooLarge};
  }
  if (Overlaps(image, *s, newSection.size(), rawSize)) return texts::Failure{Fail::kSectionsOverlap};
  const auto delta = static_cast<std::int64_t>(rawSize) - static_cast<std::int64_t>(s->rawSize);
  std::vector<std::uint8_t> out(file.begin(), file.begin() + s->rawPointer);
  out.insert(out.end(), newSection.begin(), newSection.end());
  out.resize(static_cast<std::size_t>(s->rawPointer + rawSize), 0);
  out.insert(out.end(), file.begin() + static_cast<std::ptrdiff_t>(oldEnd), file.end());

  PutU32(out, s->tableOffset + 8, static_cast<std::uint32_t>(newSection.size()));
  PutU32(out, s->tableOffset + 16, static_cast<std::uint32_t>(rawSize));
  PutU32(out, *image.DataDirEntry(kDirResource) + 4, static_cast<std::uint32_t>(newSection.size()));
  if (last) {
    const std::uint64_t end = AlignUp(std::uint64_t{s->virtualAddress} + newSection.size(),
                                      Usable(image.sectionAlignment, kDefaultSectionAlignment));
    PutU32(out, image.SizeOfImageOffset(), static_cast<std::uint32_t>(end));
  }
  if ((s->characteristics & kInitializedData) != 0) {
    const std::int64_t initialised = GetU32(out, image.InitializedDataOffset());
    PutU32(out, image.InitializedDataOffset(),
           static_cast<std::uint32_t>(std::max<std::int64_t>(0, initialised + delta)));
  }
  const std::uint32_t symbols = GetU32(out, image.coffOffset + kSymbolTableField);
  if (symbols != 0 && symbols >= oldEnd) {
    PutU32(out, image.coffOffset + kSymbolTableField, static_cast<std::uint32_t>(symbols + delta));
  }
  DropSignature(image, out, static_cast<std::size_t>(oldEnd), delta);
  PutU32(out, image.ChecksumOffset(), PeChecksum(out, image.ChecksumOffset()));
  return out;
}

}  // namespace pixmint::formats
