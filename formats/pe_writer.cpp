#include "formats/pe_writer.h"

#include <algorithm>
#include <array>
#include <set>
#include <utility>

#include "document/byte_io.h"
#include "document/ico_layout.h"
#include "document/ico_reader.h"
#include "document/png_codec.h"

namespace pixmint::formats {
namespace {

using document::GetU16;
using document::GetU32;
using document::PutU16;
using document::PutU32;

// The images of an icon or cursor file as group entries and image resources.
struct SplitFile {
  GroupKind kind = GroupKind::kIcon;
  std::vector<std::array<std::uint8_t, document::kGroupEntryBytes>> entries;  // id still 0
  std::vector<std::vector<std::uint8_t>> images;
};

// Planes and bits per pixel of a block: PNG images count as 32 bits.
std::pair<std::uint32_t, std::uint32_t> BlockDepth(std::span<const std::uint8_t> block) {
  if (document::HasPngSignature(block) || block.size() < 16) return {1, 32};
  return {GetU16(block, 12), GetU16(block, 14)};
}

texts::Result<SplitFile> Split(std::span<const std::uint8_t> file) {
  // The file must read as a whole; its blocks then are sound.
  if (const auto read = document::ReadIconMemory(file, "new"); !read) return read.error();
  SplitFile split;
  split.kind = document::ReadIconType(file) == document::kTypeCursor ? GroupKind::kCursor : GroupKind::kIcon;
  const std::uint32_t count = std::min(document::ReadIconHeader(file), document::kMaxImages);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t e = document::kIcoHeaderBytes + document::kIcoEntryBytes * i;
    const auto block = file.subspan(GetU32(file, e + 12), GetU32(file, e + 8));
    const auto [planes, bits] = BlockDepth(block);
    std::array<std::uint8_t, document::kGroupEntryBytes> entry{};
    if (split.kind == GroupKind::kIcon) {
      std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(e), 4, entry.begin());
      PutU16(entry, 4, planes);
      PutU16(entry, 6, bits);
      PutU32(entry, 8, static_cast<std::uint32_t>(block.size()));
      split.images.emplace_back(block.begin(), block.end());
    } else {
      // Cursor groups hold word sizes, the height doubled as in the bitmap.
      const std::uint32_t w = file[e] == 0 ? 256 : file[e];
      const std::uint32_t h = file[e + 1] == 0 ? 256 : file[e + 1];
      PutU16(entry, 0, w);
      PutU16(entry, 2, 2 * h);
      PutU16(entry, 4, planes);
      PutU16(entry, 6, bits);
      PutU32(entry, 8, static_cast<std::uint32_t>(block.size() + 4));
      std::vector<std::uint8_t> image(4);
      PutU16(image, 0, GetU16(file, e + 4));
      PutU16(image, 2, GetU16(file, e + 6));
      image.insert(image.end(), block.begin(), block.end());
      split.images.push_back(std::move(image));
    }
    split.entries.push_back(entry);
  }
  return split;
}

std::vector<std::uint8_t> GroupData(const SplitFile& split, std::span<const std::uint16_t> ids) {
  std::vector<std::uint8_t> data(document::kIcoHeaderBytes + document::kGroupEntryBytes * split.entries.size(), 0);
  PutU16(data, 2, split.kind == GroupKind::kIcon ? 1 : 2);
  PutU16(data, 4, static_cast<std::uint32_t>(split.entries.size()));
  for (std::size_t i = 0; i < split.entries.size(); ++i) {
    const std::size_t at = document::kIcoHeaderBytes + document::kGroupEntryBytes * i;
    std::copy(split.entries[i].begin(), split.entries[i].end(), data.begin() + static_cast<std::ptrdiff_t>(at));
    PutU16(data, at + 12, ids[i]);
  }
  return data;
}

bool IsGroupOf(const IconGroup& g, GroupKind kind, const ResourceId& name) {
  return g.kind == kind && SameResource(g.name, name);
}

// (id, language) of the images that only the replaced groups use.
std::set<std::pair<std::uint16_t, std::uint16_t>> ImagesToDrop(const ProgramFile& program, GroupKind kind,
                                                               const ResourceId& name) {
  std::set<std::pair<std::uint16_t, std::uint16_t>> drop, keep;
  for (const IconGroup& g : program.Groups()) {
    if (g.kind != kind) continue;
    auto& into = IsGroupOf(g, kind, name) ? drop : keep;
    for (const std::uint16_t id : GroupMemberIds(program.Data(program.Tree().entries[g.entry]))) {
      if (const ResourceEntry* image = program.FindImage(kind, id, g.language)) into.insert({id, image->language});
    }
  }
  for (const auto& k : keep) drop.erase(k);
  return drop;
}

std::vector<std::uint16_t> FreeIds(const std::vector<OwnedResource>& kept, std::uint16_t type, std::size_t count) {
  std::set<std::uint16_t> used;
  for (const OwnedResource& r : kept) {
    if (!r.type.named && r.type.id == type && !r.name.named) used.insert(r.name.id);
  }
  std::vector<std::uint16_t> ids;
  for (std::uint32_t id = 1; id <= 0xFFFF && ids.size() < count; ++id) {
    if (!used.contains(static_cast<std::uint16_t>(id))) ids.push_back(static_cast<std::uint16_t>(id));
  }
  return ids;
}

}  // namespace

texts::Result<std::vector<std::uint8_t>> ReplaceGroup(const ProgramFile& program, const ResourceId& name,
                                                      std::span<const std::uint8_t> iconFile) {
  using texts::Fail;
  auto split = Split(iconFile);
  if (!split) return split.error();
  const GroupKind kind = split->kind;
  const GroupKind other = kind == GroupKind::kIcon ? GroupKind::kCursor : GroupKind::kIcon;
  const auto& groups = program.Groups();
  const auto has = [&](GroupKind k) {
    return std::any_of(groups.begin(), groups.end(), [&](const IconGroup& g) { return IsGroupOf(g, k, name); });
  };
  if (!has(kind)) {
    const bool icon = kind == GroupKind::kIcon;
    if (has(other)) return texts::Failure{icon ? Fail::kGroupIsCursors : Fail::kGroupIsIcons, {name.Text()}};
    return texts::Failure{icon ? Fail::kNoIconGroup : Fail::kNoCursorGroup, {name.Text()}};
  }
  const std::uint16_t imageType = kind == GroupKind::kIcon ? kRtIcon : kRtCursor;
  const std::uint16_t groupType = kind == GroupKind::kIcon ? kRtGroupIcon : kRtGroupCursor;
  const auto drop = ImagesToDrop(program, kind, name);
  std::vector<OwnedResource> kept;
  std::vector<const ResourceEntry*> replaced;
  // Data that several leaves share is written once, so it counts once.
  std::set<std::pair<std::size_t, std::uint32_t>> data;
  std::uint64_t total = 0;
  for (const ResourceEntry& e : program.Tree().entries) {
    const bool isGroup = !e.type.named && e.type.id == groupType && SameResource(e.name, name);
    const bool isImage = !e.type.named && e.type.id == imageType && !e.name.named;
    if (isGroup) replaced.push_back(&e);
    if (isGroup || (isImage && drop.contains({e.name.id, e.language}))) continue;
    if (data.insert({e.offset, e.size}).second) total += e.size;
    if (total > kMaxProgramBytes) return texts::Failure{Fail::kResourcesTooLarge};
    kept.push_back({e.type, e.name, e.language, e.codePage, program.Data(e)});
  }
  const std::vector<std::uint16_t> ids = FreeIds(kept, imageType, split->images.size());
  if (ids.size() < split->images.size()) return texts::Failure{Fail::kNoFreeImageNumbers};
  // Every language of the group gets the same new images, written once.
  const std::vector<std::uint8_t> groupData = GroupData(*split, ids);
  for (const ResourceEntry* g : replaced) {
    for (std::size_t i = 0; i < ids.size(); ++i) {
      kept.push_back(
          {ResourceId::Number(imageType), ResourceId::Number(ids[i]), g->language, g->codePage, split->images[i]});
    }
    kept.push_back({g->type, g->name, g->language, g->codePage, groupData});
  }
  const auto section = BuildResourceSection(std::move(kept), program.Tree().root, program.Tree().rva);
  if (!section) return section.error();
  return PlaceResourceSection(program, *section);
}

}  // namespace pixmint::formats
