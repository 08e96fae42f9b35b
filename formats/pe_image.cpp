#include "formats/pe_image.h"

#include "document/byte_io.h"

namespace pixmint::formats {
namespace {

using document::GetU16;
using document::GetU32;

constexpr std::size_t kDosHeaderBytes = 64;
constexpr std::size_t kLfanewOffset = 0x3C;
constexpr std::size_t kCoffBytes = 20;
constexpr std::size_t kSectionBytes = 40;
constexpr std::uint16_t kMagic32 = 0x10B;
constexpr std::uint16_t kMagic64 = 0x20B;
// Windows loads no program with more sections than this.
constexpr std::uint32_t kMaxSections = 96;

bool Fits(std::span<const std::uint8_t> file, std::uint64_t offset, std::uint64_t size) {
  return offset <= file.size() && size <= file.size() - offset;
}

std::optional<std::size_t> PeHeaderOffset(std::span<const std::uint8_t> file) {
  if (file.size() < kDosHeaderBytes || file[0] != 'M' || file[1] != 'Z') return std::nullopt;
  const std::uint32_t lfanew = GetU32(file, kLfanewOffset);
  if (!Fits(file, lfanew, 4 + kCoffBytes)) return std::nullopt;
  if (file[lfanew] != 'P' || file[lfanew + 1] != 'E' || file[lfanew + 2] != 0 || file[lfanew + 3] != 0) {
    return std::nullopt;
  }
  return lfanew;
}

texts::Result<void> ReadSections(std::span<const std::uint8_t> file, std::size_t tableOffset, std::uint32_t count,
                                 PeImage& image) {
  if (!Fits(file, tableOffset, std::uint64_t{count} * kSectionBytes)) {
    return texts::Failure{texts::Fail::kSectionTableBeyondEnd};
  }
  image.sections.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t at = tableOffset + kSectionBytes * i;
    PeSection s;
    for (std::size_t k = 0; k < 8 && file[at + k] != 0; ++k) s.name.push_back(static_cast<char>(file[at + k]));
    s.virtualSize = GetU32(file, at + 8);
    s.virtualAddress = GetU32(file, at + 12);
    s.rawSize = GetU32(file, at + 16);
    s.rawPointer = GetU32(file, at + 20);
    s.characteristics = GetU32(file, at + 36);
    s.tableOffset = at;
    image.sections.push_back(std::move(s));
  }
  return {};
}

}  // namespace

std::optional<std::size_t> PeImage::DataDirEntry(std::uint32_t index) const {
  if (index >= dataDirCount) return std::nullopt;
  return dataDirOffset + 8 * std::size_t{index};
}

bool LooksLikePe(std::span<const std::uint8_t> file) {
  return PeHeaderOffset(file).has_value();
}

texts::Result<PeImage> ParsePeImage(std::span<const std::uint8_t> file) {
  using texts::Fail;
  const auto pe = PeHeaderOffset(file);
  if (!pe) return texts::Failure{Fail::kNotAProgram};
  PeImage image;
  image.coffOffset = *pe + 4;
  const std::uint32_t sectionCount = GetU16(file, image.coffOffset + 2);
  const std::uint32_t optionalSize = GetU16(file, image.coffOffset + 16);
  image.optionalOffset = image.coffOffset + kCoffBytes;
  if (!Fits(file, image.optionalOffset, optionalSize) || optionalSize < 2) {
    return texts::Failure{Fail::kOptionalHeaderBeyondEnd};
  }
  const std::uint16_t magic = GetU16(file, image.optionalOffset);
  if (magic != kMagic32 && magic != kMagic64) return texts::Failure{Fail::kUnknownOptionalHeader};
  image.is64 = magic == kMagic64;
  // The data directories follow the fixed part: 96 bytes (PE32) or 112 (PE32+).
  const std::size_t fixed = image.is64 ? 112 : 96;
  if (optionalSize < fixed) return texts::Failure{Fail::kOptionalHeaderTooShort};
  image.sectionAlignment = GetU32(file, image.optionalOffset + 32);
  image.fileAlignment = GetU32(file, image.optionalOffset + 36);
  const std::uint32_t declared = GetU32(file, image.optionalOffset + fixed - 4);
  image.dataDirOffset = image.optionalOffset + fixed;
  // Only the entries that fit in the optional header count.
  image.dataDirCount = static_cast<std::uint32_t>(std::min<std::uint64_t>(declared, (optionalSize - fixed) / 8));
  if (sectionCount > kMaxSections) return texts::Failure{Fail::kTooManySections, {std::to_string(sectionCount)}};
  if (auto read = ReadSections(file, image.optionalOffset + optionalSize, sectionCount, image); !read) {
    return read.error();
  }
  return image;
}

const PeSection* SectionOfRva(const PeImage& image, std::uint32_t rva) {
  for (const PeSection& s : image.sections) {
    const std::uint64_t extent = std::max(s.virtualSize, s.rawSize);
    if (rva >= s.virtualAddress && rva - std::uint64_t{s.virtualAddress} < extent) return &s;
  }
  return nullptr;
}

std::optional<std::size_t> RvaToOffset(const PeImage& image, std::span<const std::uint8_t> file, std::uint32_t rva,
                                       std::uint32_t size) {
  const PeSection* s = SectionOfRva(image, rva);
  if (s == nullptr) return std::nullopt;
  // Bytes past the raw data are zeros the loader makes up: not in the file.
  const std::uint64_t available = s->virtualSize != 0 ? std::min(s->virtualSize, s->rawSize) : s->rawSize;
  const std::uint64_t delta = rva - std::uint64_t{s->virtualAddress};
  if (delta + size > available) return std::nullopt;
  const std::uint64_t offset = std::uint64_t{s->rawPointer} + delta;
  if (!Fits(file, offset, size)) return std::nullopt;
  return static_cast<std::size_t>(offset);
}

std::pair<std::uint32_t, std::uint32_t> DataDirectory(const PeImage& image, std::span<const std::uint8_t> file,
                                                      std::uint32_t index) {
  const auto at = image.DataDirEntry(index);
  if (!at) return {0, 0};
  return {GetU32(file, *at), GetU32(file, *at + 4)};
}

std::uint32_t PeChecksum(std::span<const std::uint8_t> file, std::size_t checksumOffset) {
  // The field counts as zeros wherever it lies, even at an odd offset.
  auto byteAt = [&](std::size_t i) -> std::uint32_t {
    if (i >= file.size() || (i >= checksumOffset && i - checksumOffset < 4)) return 0;
    return file[i];
  };
  std::uint64_t sum = 0;
  for (std::size_t i = 0; i < file.size(); i += 2) {
    sum += byteAt(i) | (byteAt(i + 1) << 8);
    sum = (sum & 0xFFFF) + (sum >> 16);
  }
  sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<std::uint32_t>(sum + file.size());
}

}  // namespace pixmint::formats
