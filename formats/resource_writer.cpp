// Writes a resource tree in the layout linkers use: all directories first,
// breadth first, then the data entries, the name strings and the data.
#include <algorithm>
#include <map>

#include "document/byte_io.h"
#include "formats/resource_layout.h"
#include "formats/resource_tree.h"

namespace pixmint::formats {
namespace {

using document::PutU16;
using document::PutU32;

using namespace resource_layout;
constexpr std::size_t kDataAlignment = 8;

std::size_t AlignUp(std::size_t n, std::size_t a) {
  return (n + a - 1) / a * a;
}

struct NameNode {
  ResourceId name;
  std::vector<std::size_t> leaves;  // indices of resources, by language
  std::size_t dir = 0;
};
struct TypeNode {
  ResourceId type;
  std::vector<NameNode> names;
  std::size_t dir = 0;
};

std::vector<TypeNode> GroupTree(const std::vector<OwnedResource>& sorted) {
  std::vector<TypeNode> types;
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    const OwnedResource& r = sorted[i];
    if (types.empty() || !(types.back().type == r.type)) types.push_back({r.type, {}, 0});
    auto& names = types.back().names;
    if (names.empty() || !(names.back().name == r.name)) names.push_back({r.name, {}, 0});
    names.back().leaves.push_back(i);
  }
  return types;
}

// A directory's counts are 16 bits each, for its named and numbered entries.
template <typename Items, typename IdOf>
bool CountsFit(const Items& items, IdOf idOf) {
  const auto named =
      static_cast<std::size_t>(std::count_if(items.begin(), items.end(), [&](const auto& i) { return idOf(i).named; }));
  return named <= 0xFFFF && items.size() - named <= 0xFFFF;
}

texts::Result<void> TreeFits(const std::vector<TypeNode>& types) {
  using texts::Fail;
  if (!CountsFit(types, [](const TypeNode& t) -> const ResourceId& { return t.type; })) {
    return texts::Failure{Fail::kTreeTooFull, {std::to_string(types.size())}};
  }
  for (const TypeNode& t : types) {
    if (!CountsFit(t.names, [](const NameNode& n) -> const ResourceId& { return n.name; })) {
      return texts::Failure{Fail::kTypeTooFull, {t.type.Text(), std::to_string(t.names.size())}};
    }
    for (const NameNode& n : t.names) {
      // Languages are numbers.
      if (n.leaves.size() > 0xFFFF) {
        return texts::Failure{Fail::kTooManyLanguages, {t.type.Text(), n.name.Text(), std::to_string(n.leaves.size())}};
      }
    }
  }
  return {};
}

// Writes one directory header with its named and numbered counts.
template <typename Items, typename IdOf>
void WriteDirHeader(std::vector<std::uint8_t>& out, std::size_t at, const Items& items, IdOf idOf) {
  const auto named = std::count_if(items.begin(), items.end(), [&](const auto& item) { return idOf(item).named; });
  PutU16(out, at + 12, static_cast<std::uint32_t>(named));
  PutU16(out, at + 14, static_cast<std::uint32_t>(items.size() - static_cast<std::size_t>(named)));
}

class SectionWriter {
 public:
  SectionWriter(std::vector<OwnedResource>& sorted, std::uint32_t rva) : sorted_(sorted), rva_(rva) {}

  texts::Result<std::vector<std::uint8_t>> Write(const ResourceRootInfo& root) {
    types_ = GroupTree(sorted_);
    if (auto fits = TreeFits(types_); !fits) return fits.error();
    Layout();
    out_.assign(end_, 0);
    PutU32(out_, 0, root.characteristics);
    PutU32(out_, 4, root.timeStamp);
    PutU16(out_, 8, root.majorVersion);
    PutU16(out_, 10, root.minorVersion);
    WriteDirHeader(out_, 0, types_, [](const TypeNode& t) -> const ResourceId& { return t.type; });
    for (std::size_t t = 0; t < types_.size(); ++t) {
      WriteEntry(kDirBytes + kDirEntryBytes * t, types_[t].type, kHighBit | static_cast<std::uint32_t>(types_[t].dir));
      WriteTypeDir(types_[t]);
    }
    return std::move(out_);
  }

 private:
  void Layout() {
    std::size_t at = kDirBytes + kDirEntryBytes * types_.size();
    for (TypeNode& t : types_) {
      t.dir = at;
      at += kDirBytes + kDirEntryBytes * t.names.size();
    }
    for (TypeNode& t : types_) {
      for (NameNode& n : t.names) {
        n.dir = at;
        at += kDirBytes + kDirEntryBytes * n.leaves.size();
      }
    }
    dataEntries_ = at;
    at += kDataEntryBytes * sorted_.size();
    strings_ = at;
    for (const TypeNode& t : types_) {
      if (t.type.named) at += 2 + 2 * t.type.Chars().size();
      for (const NameNode& n : t.names) {
        if (n.name.named) at += 2 + 2 * n.name.Chars().size();
      }
    }
    data_ = AlignUp(at, kDataAlignment);
    end_ = data_;
    for (const OwnedResource& r : sorted_) {
      if (placed_.try_emplace(Key(r), end_).second) end_ = AlignUp(end_ + r.data.size(), kDataAlignment);
    }
    nextString_ = strings_;
  }

  // Leaves with the same data (one span) share one copy of it.
  static std::pair<const std::uint8_t*, std::size_t> Key(const OwnedResource& r) {
    return {r.data.data(), r.data.size()};
  }

  void WriteTypeDir(const TypeNode& t) {
    WriteDirHeader(out_, t.dir, t.names, [](const NameNode& n) -> const ResourceId& { return n.name; });
    for (std::size_t k = 0; k < t.names.size(); ++k) {
      const NameNode& n = t.names[k];
      WriteEntry(t.dir + kDirBytes + kDirEntryBytes * k, n.name, kHighBit | static_cast<std::uint32_t>(n.dir));
      PutU16(out_, n.dir + 14, static_cast<std::uint32_t>(n.leaves.size()));
      for (std::size_t l = 0; l < n.leaves.size(); ++l) {
        const std::size_t index = n.leaves[l];
        const OwnedResource& r = sorted_[index];
        const std::size_t entry = dataEntries_ + kDataEntryBytes * index;
        WriteEntry(n.dir + kDirBytes + kDirEntryBytes * l, ResourceId::Number(r.language),
                   static_cast<std::uint32_t>(entry));
        const std::size_t at = placed_.at(Key(r));
        std::copy(r.data.begin(), r.data.end(), out_.begin() + static_cast<std::ptrdiff_t>(at));
        PutU32(out_, entry, rva_ + static_cast<std::uint32_t>(at));
        PutU32(out_, entry + 4, static_cast<std::uint32_t>(r.data.size()));
        PutU32(out_, entry + 8, r.codePage);
      }
    }
  }

  void WriteEntry(std::size_t at, const ResourceId& id, std::uint32_t target) {
    if (id.named) {
      PutU32(out_, at, kHighBit | static_cast<std::uint32_t>(nextString_));
      const std::u16string& name = id.Chars();
      PutU16(out_, nextString_, static_cast<std::uint32_t>(name.size()));
      for (std::size_t k = 0; k < name.size(); ++k) PutU16(out_, nextString_ + 2 + 2 * k, name[k]);
      nextString_ += 2 + 2 * name.size();
    } else {
      PutU32(out_, at, id.id);
    }
    PutU32(out_, at + 4, target);
  }

  std::vector<OwnedResource>& sorted_;
  std::uint32_t rva_;
  std::vector<TypeNode> types_;
  std::vector<std::uint8_t> out_;
  std::size_t dataEntries_ = 0, strings_ = 0, data_ = 0, end_ = 0;
  std::size_t nextString_ = 0;
  std::map<std::pair<const std::uint8_t*, std::size_t>, std::size_t> placed_;  // data -> its offset
};

}  // namespace

texts::Result<std::vector<std::uint8_t>> BuildResourceSection(std::vector<OwnedResource> resources,
                                                              const ResourceRootInfo& root, std::uint32_t sectionRva) {
  std::stable_sort(resources.begin(), resources.end(), [](const OwnedResource& a, const OwnedResource& b) {
    if (!(a.type == b.type)) return ResourceIdLess(a.type, b.type);
    if (!(a.name == b.name)) return ResourceIdLess(a.name, b.name);
    return a.language < b.language;
  });
  return SectionWriter(resources, sectionRva).Write(root);
}

}  // namespace pixmint::formats
