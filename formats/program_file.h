#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "document/limits.h"
#include "formats/pe_image.h"
#include "formats/resource_tree.h"

namespace pixmint::formats {

enum class GroupKind { kIcon, kCursor };

// One icon group (RT_GROUP_ICON) or cursor group (RT_GROUP_CURSOR) of one
// language.
struct IconGroup {
  GroupKind kind = GroupKind::kIcon;
  ResourceId name;
  std::uint16_t language = 0;
  std::size_t entry = 0;  // the group's leaf in the resource tree
};

// Largest file a program may be for reading or rewriting.
inline constexpr std::uint64_t kMaxProgramBytes = 256ull * 1024 * 1024;

// A Windows program file (.exe, .dll, .cpl, .ocx, .scr, .mun) in memory, with
// its headers, resource tree and icon and cursor groups.
class ProgramFile {
 public:
  // A failure when the bytes are not a program file or its resource tree is
  // damaged.
  [[nodiscard]] static texts::Result<ProgramFile> Read(std::vector<std::uint8_t> bytes);

  [[nodiscard]] std::span<const std::uint8_t> Bytes() const { return bytes_; }
  [[nodiscard]] const PeImage& Image() const { return image_; }
  [[nodiscard]] const ResourceTree& Tree() const { return tree_; }
  // Cursor groups, then icon groups, each in directory order.
  [[nodiscard]] const std::vector<IconGroup>& Groups() const { return groups_; }
  [[nodiscard]] std::span<const std::uint8_t> Data(const ResourceEntry& entry) const {
    return std::span<const std::uint8_t>(bytes_).subspan(entry.offset, entry.size);
  }

  // The group as the .ico or .cur file that holds its images in its order,
  // PNG images as PNG, cursors with their hot spots; members that name one
  // image share its block, which the file holds once. A failure when the
  // group or one of its images is missing or damaged, or when its members
  // exceed budget (shared by the groups of one file; the group's own when
  // none is given).
  [[nodiscard]] texts::Result<std::vector<std::uint8_t>> GroupFile(const IconGroup& group,
                                                                   document::ReadBudget* budget = nullptr) const;

  // The image resource that a group's member id stands for: the same
  // language first, then the neutral one, then any.
  [[nodiscard]] const ResourceEntry* FindImage(GroupKind kind, std::uint16_t id, std::uint16_t language) const;

 private:
  void IndexImages();

  std::vector<std::uint8_t> bytes_;
  PeImage image_;
  ResourceTree tree_;
  std::vector<IconGroup> groups_;
  // The first image resource of each (type, id, language) and of each
  // (type, id): groups may list many members, each found by index.
  std::unordered_map<std::uint64_t, std::size_t> byLanguage_;
  std::unordered_map<std::uint32_t, std::size_t> byId_;
};

// "1" for a numbered group, the name for a named one, cut to its first 60
// characters and "...": a file may give its groups names of 65,535 characters,
// and every listing, report and file name shows them.
[[nodiscard]] std::string GroupLabel(const IconGroup& group);

// A group named on the command line: digits or "#digits" name a number,
// anything else a name.
[[nodiscard]] ResourceId ParseGroupName(std::string_view text);

// The ids of the images a group's directory lists (empty for a damaged one).
[[nodiscard]] std::vector<std::uint16_t> GroupMemberIds(std::span<const std::uint8_t> groupData);

}  // namespace pixmint::formats
