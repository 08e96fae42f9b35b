#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "texts/failure.h"

namespace pixmint::formats {

// One entry of the section table.
struct PeSection {
  std::string name;
  std::uint32_t virtualSize = 0;
  std::uint32_t virtualAddress = 0;
  std::uint32_t rawSize = 0;
  std::uint32_t rawPointer = 0;
  std::uint32_t characteristics = 0;
  std::size_t tableOffset = 0;  // file offset of this 40-byte entry
};

// Where the fields of a Windows program file (PE32 or PE32+) lie. Every
// offset here has been checked against the file.
struct PeImage {
  bool is64 = false;
  std::size_t coffOffset = 0;      // the file header after "PE\0\0"
  std::size_t optionalOffset = 0;  // the optional header
  std::size_t dataDirOffset = 0;   // the first data directory entry
  std::uint32_t dataDirCount = 0;
  std::uint32_t fileAlignment = 0;
  std::uint32_t sectionAlignment = 0;
  std::vector<PeSection> sections;

  [[nodiscard]] std::size_t ChecksumOffset() const { return optionalOffset + 64; }
  [[nodiscard]] std::size_t SizeOfImageOffset() const { return optionalOffset + 56; }
  [[nodiscard]] std::size_t InitializedDataOffset() const { return optionalOffset + 8; }
  // The file offset of data directory entry index (RVA, then size), if the
  // header has that entry.
  [[nodiscard]] std::optional<std::size_t> DataDirEntry(std::uint32_t index) const;
};

inline constexpr std::uint32_t kDirSecurity = 4;
inline constexpr std::uint32_t kDirResource = 2;

// True when the bytes start like a program file ("MZ" and a "PE\0\0"
// signature where the DOS header points), whatever follows.
[[nodiscard]] bool LooksLikePe(std::span<const std::uint8_t> file);

// Reads the headers and the section table.
[[nodiscard]] texts::Result<PeImage> ParsePeImage(std::span<const std::uint8_t> file);

// The file offset of [rva, rva + size) when that range lies inside the raw
// data of one section (and of the file); nothing otherwise.
[[nodiscard]] std::optional<std::size_t> RvaToOffset(const PeImage& image, std::span<const std::uint8_t> file,
                                                     std::uint32_t rva, std::uint32_t size);

// The resource directory's (RVA, size) from the optional header; (0, 0) when
// there is none.
[[nodiscard]] std::pair<std::uint32_t, std::uint32_t> DataDirectory(const PeImage& image,
                                                                    std::span<const std::uint8_t> file,
                                                                    std::uint32_t index);

// The section whose virtual range holds rva, if any.
[[nodiscard]] const PeSection* SectionOfRva(const PeImage& image, std::uint32_t rva);

// The optional header's checksum of a whole file: 16-bit words summed with
// end-around carry, the checksum field itself counted as 0, plus the length.
[[nodiscard]] std::uint32_t PeChecksum(std::span<const std::uint8_t> file, std::size_t checksumOffset);

}  // namespace pixmint::formats
