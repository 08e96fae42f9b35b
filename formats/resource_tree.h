#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formats/pe_image.h"

namespace pixmint::formats {

// A resource type or name: a number, or a UTF-16 string. The string is
// shared between copies: a tree may point any number of entries at one
// long name.
struct ResourceId {
  bool named = false;
  std::uint16_t id = 0;
  std::shared_ptr<const std::u16string> name;

  [[nodiscard]] static ResourceId Number(std::uint16_t n) { return {false, n, {}}; }
  [[nodiscard]] static ResourceId Name(std::u16string s) {
    return {true, 0, std::make_shared<const std::u16string>(std::move(s))};
  }
  // The name's characters (empty for a number).
  [[nodiscard]] const std::u16string& Chars() const;
  // The number in decimal, or the name in UTF-8.
  [[nodiscard]] std::string Text() const;
  // The same with at most most characters of the name, "..." after a cut.
  [[nodiscard]] std::string Text(std::size_t most) const;
  friend bool operator==(const ResourceId& a, const ResourceId& b) {
    return a.named == b.named && a.id == b.id && (a.name == b.name || a.Chars() == b.Chars());
  }
};

// Names compare without ASCII case, as the resource functions of Windows do.
[[nodiscard]] bool SameResource(const ResourceId& a, const ResourceId& b);
// The order of a resource directory: names first (by UTF-16 code units),
// then numbers ascending.
[[nodiscard]] bool ResourceIdLess(const ResourceId& a, const ResourceId& b);

inline constexpr std::uint16_t kRtCursor = 1;
inline constexpr std::uint16_t kRtIcon = 3;
inline constexpr std::uint16_t kRtGroupCursor = 12;
inline constexpr std::uint16_t kRtGroupIcon = 14;

// One leaf of the three-level tree (type, name, language) and where its data
// lies in the file.
struct ResourceEntry {
  ResourceId type;
  ResourceId name;
  std::uint16_t language = 0;
  std::uint32_t codePage = 0;
  std::size_t offset = 0;
  std::uint32_t size = 0;
};

// What the root directory says about itself, kept when the tree is written anew.
struct ResourceRootInfo {
  std::uint32_t characteristics = 0;
  std::uint32_t timeStamp = 0;
  std::uint16_t majorVersion = 0;
  std::uint16_t minorVersion = 0;
};

struct ResourceTree {
  std::uint32_t rva = 0;  // of the root directory; 0 when the file has no resources
  ResourceRootInfo root;
  std::vector<ResourceEntry> entries;
};

// Walks the resource directory: every directory, string and data entry lies
// inside the resource section and the file, each directory is visited once
// (a loop or a shared directory is refused), leaves sit at the third level
// and are at most document::kMaxResources. A file without resources gives
// an empty tree.
[[nodiscard]] texts::Result<ResourceTree> ReadResourceTree(std::span<const std::uint8_t> file, const PeImage& image);

// A leaf to write and its data, which must outlive the writing. Leaves
// whose data is the same span share it in the new section, as they did in
// the old one.
struct OwnedResource {
  ResourceId type;
  ResourceId name;
  std::uint16_t language = 0;
  std::uint32_t codePage = 0;
  std::span<const std::uint8_t> data;
};

// The bytes of a resource section placed at sectionRva: directories in
// directory order, data entries, name strings, then the data, each item
// aligned to 8 bytes. Equal (type, name, language) triples must not occur.
// A failure when a directory would hold more named or more numbered entries
// than its 16-bit counts can say.
[[nodiscard]] texts::Result<std::vector<std::uint8_t>> BuildResourceSection(std::vector<OwnedResource> resources,
                                                                            const ResourceRootInfo& root,
                                                                            std::uint32_t sectionRva);

}  // namespace pixmint::formats
