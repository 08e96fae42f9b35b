#include "formats/program_file.h"

#include <algorithm>
#include <map>

#include "document/byte_io.h"
#include "document/ico_layout.h"
#include "texts/numbers.h"

namespace pixmint::formats {
namespace {

using document::GetU16;
using document::GetU32;
using document::PutU16;
using document::PutU32;

constexpr std::size_t kHotSpotBytes = 4;

std::uint16_t ImageType(GroupKind kind) {
  return kind == GroupKind::kIcon ? kRtIcon : kRtCursor;
}

std::uint32_t IdKey(std::uint16_t type, std::uint16_t id) {
  return (std::uint32_t{type} << 16) | id;
}

std::uint64_t LanguageKey(std::uint16_t type, std::uint16_t id, std::uint16_t language) {
  return (std::uint64_t{IdKey(type, id)} << 16) | language;
}

// The directory entry of one image in the rebuilt file. Icon groups carry
// the file's fields as they are; a cursor group stores width and twice the
// height as words, and its image starts with the hot spot.
void WriteFileEntry(std::span<std::uint8_t> out, std::size_t at, GroupKind kind, std::span<const std::uint8_t> entry,
                    std::span<const std::uint8_t> image, std::uint32_t offset) {
  if (kind == GroupKind::kIcon) {
    std::copy_n(entry.begin(), 8, out.begin() + static_cast<std::ptrdiff_t>(at));
    PutU32(out, at + 8, static_cast<std::uint32_t>(image.size()));
  } else {
    out[at] = static_cast<std::uint8_t>(GetU16(entry, 0));
    out[at + 1] = static_cast<std::uint8_t>(GetU16(entry, 2) / 2);
    PutU16(out, at + 4, GetU16(image, 0));
    PutU16(out, at + 6, GetU16(image, 2));
    PutU32(out, at + 8, static_cast<std::uint32_t>(image.size() - kHotSpotBytes));
  }
  PutU32(out, at + 12, offset);
}

}  // namespace

texts::Result<ProgramFile> ProgramFile::Read(std::vector<std::uint8_t> bytes) {
  if (bytes.size() > kMaxProgramBytes) return texts::Failure{texts::Fail::kFileTooLarge};
  ProgramFile program;
  program.bytes_ = std::move(bytes);
  auto image = ParsePeImage(program.bytes_);
  if (!image) return image.error();
  program.image_ = std::move(*image);
  auto tree = ReadResourceTree(program.bytes_, program.image_);
  if (!tree) return tree.error();
  program.tree_ = std::move(*tree);
  for (const GroupKind kind : {GroupKind::kCursor, GroupKind::kIcon}) {
    const std::uint16_t type = kind == GroupKind::kIcon ? kRtGroupIcon : kRtGroupCursor;
    for (std::size_t i = 0; i < program.tree_.entries.size(); ++i) {
      const ResourceEntry& e = program.tree_.entries[i];
      if (!e.type.named && e.type.id == type) program.groups_.push_back({kind, e.name, e.language, i});
    }
  }
  program.IndexImages();
  return program;
}

void ProgramFile::IndexImages() {
  for (std::size_t i = 0; i < tree_.entries.size(); ++i) {
    const ResourceEntry& e = tree_.entries[i];
    if (e.type.named || e.name.named || (e.type.id != kRtIcon && e.type.id != kRtCursor)) continue;
    byLanguage_.try_emplace(LanguageKey(e.type.id, e.name.id, e.language), i);
    byId_.try_emplace(IdKey(e.type.id, e.name.id), i);
  }
}

const ResourceEntry* ProgramFile::FindImage(GroupKind kind, std::uint16_t id, std::uint16_t language) const {
  const std::uint16_t type = ImageType(kind);
  for (const std::uint16_t lang : {language, std::uint16_t{0}}) {
    if (const auto it = byLanguage_.find(LanguageKey(type, id, lang)); it != byLanguage_.end()) {
      return &tree_.entries[it->second];
    }
  }
  const auto it = byId_.find(IdKey(type, id));
  return it != byId_.end() ? &tree_.entries[it->second] : nullptr;
}

texts::Result<std::vector<std::uint8_t>> ProgramFile::GroupFile(const IconGroup& group,
                                                                document::ReadBudget* budget) const {
  using texts::Fail;
  const auto data = Data(tree_.entries.at(group.entry));
  if (data.size() < document::kIcoHeaderBytes || GetU16(data, 0) != 0) return texts::Failure{Fail::kDamagedGroup};
  const std::size_t count = GetU16(data, 4);
  if (count == 0) return texts::Failure{Fail::kEmptyGroup};
  if (document::kIcoHeaderBytes + document::kGroupEntryBytes * count > data.size()) {
    return texts::Failure{Fail::kGroupShorterThanCount};
  }
  document::ReadBudget ownBudget;
  if (auto taken = (budget != nullptr ? *budget : ownBudget).TakeEntries(count); !taken) return taken.error();
  // Images first, so that the sizes are known (and bounded) before anything
  // is allocated. A damaged group may name one huge image many times: each
  // image's block is placed once, where every member naming it points.
  std::vector<const ResourceEntry*> members(count);
  // Where each image's data goes, by where it lies in the program: images
  // that share their data share their block.
  std::map<std::pair<std::size_t, std::uint32_t>, std::uint32_t> placed;
  std::uint64_t total = document::kIcoHeaderBytes + document::kIcoEntryBytes * count;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint16_t id = GetU16(data, document::kIcoHeaderBytes + document::kGroupEntryBytes * i + 12);
    const ResourceEntry* image = FindImage(group.kind, id, group.language);
    if (image == nullptr) return texts::Failure{Fail::kGroupImageMissing, {std::to_string(id)}};
    if (group.kind == GroupKind::kCursor && image->size < kHotSpotBytes) {
      return texts::Failure{Fail::kCursorImageNoHotSpot, {std::to_string(id)}};
    }
    members[i] = image;
    if (placed.try_emplace({image->offset, image->size}, static_cast<std::uint32_t>(total)).second) {
      total += image->size - (group.kind == GroupKind::kCursor ? kHotSpotBytes : 0);
      if (total > kMaxProgramBytes) return texts::Failure{Fail::kGroupTooLarge};
    }
  }
  std::vector<std::uint8_t> file(document::kIcoHeaderBytes + document::kIcoEntryBytes * count, 0);
  PutU16(file, 2, group.kind == GroupKind::kIcon ? 1 : 2);
  PutU16(file, 4, static_cast<std::uint32_t>(count));
  file.reserve(static_cast<std::size_t>(total));
  for (std::size_t i = 0; i < count; ++i) {
    const auto entry =
        data.subspan(document::kIcoHeaderBytes + document::kGroupEntryBytes * i, document::kGroupEntryBytes);
    const auto image = Data(*members[i]);
    const std::uint32_t offset = placed.at({members[i]->offset, members[i]->size});
    WriteFileEntry(file, document::kIcoHeaderBytes + document::kIcoEntryBytes * i, group.kind, entry, image, offset);
    if (offset == file.size()) {
      const auto block = group.kind == GroupKind::kCursor ? image.subspan(kHotSpotBytes) : image;
      file.insert(file.end(), block.begin(), block.end());
    }
  }
  return file;
}

std::string GroupLabel(const IconGroup& group) {
  return group.name.Text(60);
}

ResourceId ParseGroupName(std::string_view text) {
  std::string_view digits = text;
  if (!digits.empty() && digits.front() == '#') digits.remove_prefix(1);
  if (const auto value = texts::ParseWhole<unsigned>(digits); value && *value <= 0xFFFF) {
    return ResourceId::Number(static_cast<std::uint16_t>(*value));
  }
  // Names come as UTF-8 from the command line and are stored as UTF-16.
  std::u16string name;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    std::uint32_t cp = extra == 0 ? c : c & (0x3Fu >> extra);
    if (i + extra >= text.size()) {
      extra = 0;
      cp = 0xFFFD;
    }
    for (std::size_t k = 1; k <= extra; ++k) cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
    i += extra + 1;
    if (cp >= 0x10000) {
      name.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
      name.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    } else {
      name.push_back(static_cast<char16_t>(cp));
    }
  }
  return ResourceId::Name(std::move(name));
}

std::vector<std::uint16_t> GroupMemberIds(std::span<const std::uint8_t> groupData) {
  std::vector<std::uint16_t> ids;
  if (groupData.size() < document::kIcoHeaderBytes) return ids;
  const std::size_t count = GetU16(groupData, 4);
  if (document::kIcoHeaderBytes + document::kGroupEntryBytes * count > groupData.size()) return ids;
  for (std::size_t i = 0; i < count; ++i)
    ids.push_back(GetU16(groupData, document::kIcoHeaderBytes + document::kGroupEntryBytes * i + 12));
  return ids;
}

}  // namespace pixmint::formats
