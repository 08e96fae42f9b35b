#include "formats/resource_tree.h"

#include <algorithm>
#include <set>
#include <unordered_map>

#include "document/byte_io.h"
#include "document/limits.h"
#include "formats/resource_layout.h"

namespace pixmint::formats {
namespace {

using document::GetU16;
using document::GetU32;
using texts::Fail;

using namespace resource_layout;
constexpr int kLevels = 3;

void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

char16_t FoldAscii(char16_t c) {
  return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

// Reads one tree; offsets are relative to the root, bounded by limit.
class TreeWalker {
 public:
  TreeWalker(std::span<const std::uint8_t> file, const PeImage& image, std::size_t base, std::size_t limit)
      : file_(file), image_(image), base_(base), limit_(limit) {}

  texts::Result<void> Walk(std::uint32_t dir, int level, ResourceEntry path, std::vector<ResourceEntry>& out) {
    if (!Inside(dir, kDirBytes)) return texts::Failure{Fail::kResourceDirOutside};
    if (!visited_.insert(dir).second) return texts::Failure{Fail::kResourceLoop};
    const std::size_t at = base_ + dir;
    const std::uint64_t count = std::uint64_t{GetU16(file_, at + 12)} + GetU16(file_, at + 14);
    if (!Inside(std::uint64_t{dir} + kDirBytes, count * kDirEntryBytes)) {
      return texts::Failure{Fail::kResourceEntriesOutside};
    }
    for (std::uint64_t i = 0; i < count; ++i) {
      const std::size_t e = at + kDirBytes + kDirEntryBytes * i;
      auto id = ReadId(GetU32(file_, e));
      if (!id) return id.error();
      const std::uint32_t target = GetU32(file_, e + 4);
      ResourceEntry next = path;
      if (level == 0) next.type = *id;
      if (level == 1) next.name = *id;
      if (level < kLevels - 1) {
        if ((target & kHighBit) == 0) return texts::Failure{Fail::kResourceDataForDir};
        if (auto walked = Walk(target & ~kHighBit, level + 1, next, out); !walked) return walked;
      } else {
        if ((target & kHighBit) != 0 || id->named) return texts::Failure{Fail::kResourceDirForData};
        next.language = id->id;
        if (out.size() >= document::kMaxResources) {
          return texts::Failure{Fail::kTooManyResources, {std::to_string(document::kMaxResources)}};
        }
        if (auto read = ReadData(target, next); !read) return read;
        out.push_back(std::move(next));
      }
    }
    return {};
  }

 private:
  bool Inside(std::uint64_t offset, std::uint64_t size) const { return offset <= limit_ && size <= limit_ - offset; }
  // A name is read once however many entries point at it.
  texts::Result<ResourceId> ReadId(std::uint32_t field) {
    if ((field & kHighBit) == 0) return ResourceId::Number(static_cast<std::uint16_t>(field));
    const std::uint32_t s = field & ~kHighBit;
    if (const auto known = names_.find(s); known != names_.end()) return known->second;
    const std::uint32_t length = Inside(s, 2) ? GetU16(file_, base_ + s) : 0;
    if (!Inside(s, 2) || !Inside(std::uint64_t{s} + 2, std::uint64_t{length} * 2)) {
      return texts::Failure{Fail::kResourceNameOutside};
    }
    std::u16string name(length, u'\0');
    for (std::uint32_t k = 0; k < length; ++k) name[k] = static_cast<char16_t>(GetU16(file_, base_ + s + 2 + 2 * k));
    const ResourceId id = ResourceId::Name(std::move(name));
    names_.emplace(s, id);
    return id;
  }

  texts::Result<void> ReadData(std::uint32_t entry, ResourceEntry& leaf) const {
    if (!Inside(entry, kDataEntryBytes)) return texts::Failure{Fail::kResourceDataEntryOutside};
    const std::size_t at = base_ + entry;
    const std::uint32_t rva = GetU32(file_, at);
    leaf.size = GetU32(file_, at + 4);
    leaf.codePage = GetU32(file_, at + 8);
    const auto offset = RvaToOffset(image_, file_, rva, leaf.size);
    if (!offset) return texts::Failure{Fail::kResourceDataOutside};
    leaf.offset = *offset;
    return {};
  }

  std::span<const std::uint8_t> file_;
  const PeImage& image_;
  std::size_t base_;
  std::size_t limit_;
  std::set<std::uint32_t> visited_;
  std::unordered_map<std::uint32_t, ResourceId> names_;  // by the string's offset
};

}  // namespace

const std::u16string& ResourceId::Chars() const {
  static const std::u16string kNone;
  return name ? *name : kNone;
}

std::string ResourceId::Text() const {
  return Text(std::u16string::npos);
}

std::string ResourceId::Text(std::size_t most) const {
  if (!named) return std::to_string(id);
  const std::u16string& name = Chars();
  std::string out;
  for (std::size_t i = 0, shown = 0; i < name.size(); ++i, ++shown) {
    if (shown == most) {
      out += "...";
      break;
    }
    std::uint32_t cp = name[i];
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < name.size() && name[i + 1] >= 0xDC00 && name[i + 1] < 0xE000) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (name[i + 1] - 0xDC00u);
      ++i;
    } else if (cp >= 0xD800 && cp < 0xE000) {
      cp = 0xFFFD;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

bool SameResource(const ResourceId& a, const ResourceId& b) {
  if (a.named != b.named) return false;
  if (!a.named) return a.id == b.id;
  // One name read once and shared: no need to compare 65,535 characters.
  if (a.name == b.name) return true;
  return std::ranges::equal(a.Chars(), b.Chars(), [](char16_t x, char16_t y) { return FoldAscii(x) == FoldAscii(y); });
}

bool ResourceIdLess(const ResourceId& a, const ResourceId& b) {
  if (a.named != b.named) return a.named;
  if (!a.named) return a.id < b.id;
  return a.name != b.name && a.Chars() < b.Chars();
}

texts::Result<ResourceTree> ReadResourceTree(std::span<const std::uint8_t> file, const PeImage& image) {
  ResourceTree tree;
  const auto [rva, size] = DataDirectory(image, file, kDirResource);
  if (rva == 0) return tree;
  const PeSection* section = SectionOfRva(image, rva);
  const auto base = RvaToOffset(image, file, rva, kDirBytes);
  if (section == nullptr || !base) return texts::Failure{Fail::kResourceRootOutside};
  // Everything of the tree lies between the root and the end of the
  // section's data in the file.
  const std::uint64_t sectionEnd =
      std::uint64_t{section->rawPointer} +
      (section->virtualSize != 0 ? std::min(section->virtualSize, section->rawSize) : section->rawSize);
  const std::size_t limit = static_cast<std::size_t>(std::min<std::uint64_t>(sectionEnd, file.size()) - *base);
  tree.rva = rva;
  tree.root = {GetU32(file, *base), GetU32(file, *base + 4), GetU16(file, *base + 8), GetU16(file, *base + 10)};
  TreeWalker walker(file, image, *base, limit);
  if (auto walked = walker.Walk(0, 0, {}, tree.entries); !walked) return walked.error();
  return tree;
}

}  // namespace pixmint::formats
