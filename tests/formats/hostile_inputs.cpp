#include "hostile_inputs.h"

#include <zlib.h>

#include <algorithm>
#include <span>

#include "document/byte_io.h"
#include "document/ico_reader.h"
#include "document/jpeg_codec.h"
#include "document/kv_icon.h"
#include "document/png_codec.h"

namespace pixmint::test {
namespace {

using document::PutU16;
using document::PutU32;
using U32 = std::uint32_t;

constexpr U32 kHigh = 0x80000000u;
constexpr U32 kSectionRva = 0x1000;
constexpr U32 kSectionOffset = 0x200;

// A resource section built by hand, so that its directories may share what
// a linker never shares.
struct Section {
  Bytes bytes;

  std::size_t Reserve(std::size_t n) {
    const std::size_t at = bytes.size();
    bytes.resize(at + n + (4 - n % 4) % 4, 0);
    return at;
  }
  // A directory; its entries follow it.
  U32 Dir(std::size_t named, std::size_t ids) {
    const std::size_t at = Reserve(16 + 8 * (named + ids));
    PutU16(bytes, at + 12, static_cast<U32>(named));
    PutU16(bytes, at + 14, static_cast<U32>(ids));
    return static_cast<U32>(at);
  }
  void Entry(U32 dir, std::size_t k, U32 id, U32 target) {
    PutU32(bytes, dir + 16 + 8 * k, id);
    PutU32(bytes, dir + 20 + 8 * k, target);
  }
  // A data entry and the data it points at.
  U32 Data(std::span<const std::uint8_t> data) {
    const std::size_t entry = Reserve(16);
    const std::size_t at = Reserve(data.size());
    std::copy(data.begin(), data.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
    PutU32(bytes, entry, kSectionRva + static_cast<U32>(at));
    PutU32(bytes, entry + 4, static_cast<U32>(data.size()));
    return static_cast<U32>(entry);
  }
  // A directory of leaves entries, all with this id (or its own counter when
  // id is ~0) and all pointing at target.
  U32 Shared(std::size_t leaves, U32 target, U32 id = ~0u) {
    const U32 dir = Dir(0, leaves);
    for (std::size_t k = 0; k < leaves; ++k) Entry(dir, k, id == ~0u ? static_cast<U32>(k) : id, target);
    return kHigh | dir;
  }
  // A one-entry path from a type entry down to a data entry: the name and
  // the language directories.
  U32 OneLeaf(U32 name, U32 data) {
    const U32 names = Dir(0, 1), languages = Dir(0, 1);
    Entry(names, 0, name, kHigh | languages);
    Entry(languages, 0, 0, data);
    return kHigh | names;
  }
};

// A 64-bit program file whose only section holds the resources: the fields
// of the headers a reader looks at, as offsets from the start of the file.
Bytes Program(const Section& section) {
  const auto size = static_cast<U32>(section.bytes.size());
  const U32 raw = (size + 0x1FF) / 0x200 * 0x200;
  Bytes file(kSectionOffset + raw, 0);
  std::copy(section.bytes.begin(), section.bytes.end(), file.begin() + kSectionOffset);
  constexpr U32 opt = 0x58, table = opt + 240;
  const std::pair<U32, U32> u16s[] = {{0, 0x5A4Du}, {0x40, 0x4550u}, {0x44, 0x8664}, {0x46, 1},
                                      {0x54, 240},  {0x56, 0x22},    {opt, 0x20B},   {opt + 68, 2}};
  const std::pair<U32, U32> u32s[] = {{0x3C, 0x40},
                                      {opt + 32, 0x1000},
                                      {opt + 36, 0x200},
                                      {opt + 56, kSectionRva + (raw + 0xFFF) / 0x1000 * 0x1000},
                                      {opt + 60, kSectionOffset},
                                      {opt + 108, 16},
                                      {opt + 128, kSectionRva},
                                      {opt + 132, size},
                                      {table, 0x7273722Eu},  // .rsrc
                                      {table + 4, 0x63u},
                                      {table + 8, size},
                                      {table + 12, kSectionRva},
                                      {table + 16, raw},
                                      {table + 20, kSectionOffset},
                                      {table + 36, 0x40000040u}};
  for (const auto& [at, v] : u16s) PutU16(file, at, v);
  for (const auto& [at, v] : u32s) PutU32(file, at, v);
  return file;
}

// The block of a 16 x 16, 4-bit icon image.
Bytes SmallIconBlock() {
  document::TKvIcon icon;
  (void)icon.AddImage(16, 16, 4);
  const auto file = icon.SaveToMemory().value_or(Bytes{});
  const auto block = document::IconEntryBlock(file, 0);
  return block ? Bytes(block->begin(), block->end()) : Bytes{};
}

// A 1024 x 1024 PNG of one colour, compressed as tightly as we can: about 4 KB.
Bytes LargePng(std::uint8_t value = 0x80) {
  const Bytes rgba(std::size_t{1024} * 1024 * 4, value);
  return document::EncodePng32(1024, 1024, rgba, document::ChannelOrder::kRgba, false, 12).value_or(Bytes{});
}

// An icon group directory whose members all name image id 1 of this size.
Bytes GroupOf(std::size_t members, std::uint8_t side, U32 bits, std::size_t blockBytes) {
  Bytes group(6 + 14 * members, 0);
  PutU16(group, 2, 1);
  PutU16(group, 4, static_cast<U32>(members));
  for (std::size_t at = 6; at < group.size(); at += 14) {
    group[at] = group[at + 1] = side;
    PutU16(group, at + 4, 1);
    PutU16(group, at + 6, bits);
    PutU32(group, at + 8, static_cast<U32>(blockBytes));
    PutU16(group, at + 12, 1);
  }
  return group;
}

// The Xcursor header and table of contents of images entries of the given
// nominal sizes and positions.
Bytes XcursorToc(std::size_t entries, auto sizeAndPosition) {
  Bytes out = U32s({0x72756358u, 16u, 0x10000u, static_cast<U32>(entries)});
  for (std::size_t k = 0; k < entries; ++k) {
    const auto [size, position] = sizeAndPosition(k);
    out = std::move(out) + U32s({0xFFFD0002u, size, position});
  }
  return out;
}

// An icon (or cursor, hot spot 0, 0) file whose entries all point at one
// PNG block.
Bytes IconOfPng(const Bytes& png, std::size_t entries, bool cursor = false) {
  Bytes icon(6 + 16 * entries, 0);
  PutU16(icon, 2, cursor ? 2 : 1);
  PutU16(icon, 4, static_cast<U32>(entries));
  for (std::size_t at = 6; at < icon.size(); at += 16) {
    PutU16(icon, at + 4, cursor ? 0 : 1);
    PutU16(icon, at + 6, cursor ? 0 : 32);
    PutU32(icon, at + 8, static_cast<U32>(png.size()));
    PutU32(icon, at + 12, static_cast<U32>(icon.size()));
  }
  icon.insert(icon.end(), png.begin(), png.end());
  return icon;
}

Bytes Ani(const std::vector<Bytes>& frames) {
  const auto n = static_cast<U32>(frames.size());
  Bytes fram = {'f', 'r', 'a', 'm'};
  for (const Bytes& frame : frames) fram = std::move(fram) + Chunk("icon", frame);
  return Riff("ACON", {Chunk("anih", Anih(n, n, 10, 1)), Chunk("LIST", fram)});
}

}  // namespace

Bytes Chunk(std::string_view id, const Bytes& data, bool pad) {
  Bytes out = Bytes(id.begin(), id.end()) + U32s({static_cast<U32>(data.size())}) + data;
  if (pad && data.size() % 2 == 1) out.push_back(0);
  return out;
}

Bytes List(std::string_view type, std::initializer_list<Bytes> chunks) {
  Bytes body(type.begin(), type.end());
  for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
  return Chunk("LIST", body);
}

Bytes Riff(std::string_view form, std::initializer_list<Bytes> chunks) {
  Bytes riff = List(form, chunks);
  std::copy_n("RIFF", 4, riff.begin());
  return riff;
}

Bytes U32s(std::initializer_list<std::uint32_t> values) {
  Bytes out;
  for (std::uint32_t v : values)
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
  return out;
}

Bytes Anih(std::uint32_t frames, std::uint32_t steps, std::uint32_t jiffies, std::uint32_t flags) {
  return U32s({36, frames, steps, 0, 0, 0, 0, jiffies, flags});
}

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Bytes XcursorSharedImage(std::size_t entries, int side) {
  const auto s = static_cast<U32>(side);
  Bytes out = XcursorToc(entries, [&](std::size_t) { return std::pair(s, static_cast<U32>(16 + 12 * entries)); });
  out = std::move(out) + U32s({36u, 0xFFFD0002u, s, 1u, s, s, 0u, 0u, 50u});
  out.resize(out.size() + std::size_t{s} * s * 4, 0xFF);
  return out;
}

Bytes XcursorManySizes(std::size_t sizes) {
  Bytes out = XcursorToc(sizes, [&](std::size_t k) {
    return std::pair(static_cast<U32>(k + 1), static_cast<U32>(16 + 12 * sizes + 40 * k));
  });
  for (U32 size = 1; size <= sizes; ++size)
    out = std::move(out) + U32s({36u, 0xFFFD0002u, size, 1u, 1u, 1u, 0u, 0u, 0u, 0xFF000000u});
  return out;
}

Bytes ProgramSharedLongName(std::size_t leaves) {
  Section s;
  const Bytes block = SmallIconBlock();
  const U32 root = s.Dir(0, 2);
  s.Entry(root, 0, 3, s.OneLeaf(1, s.Data(block)));
  const std::size_t name = s.Reserve(2 + 2 * 0xFFFF);
  PutU16(s.bytes, name, 0xFFFF);
  for (std::size_t k = 0; k < 0xFFFF; ++k) PutU16(s.bytes, name + 2 + 2 * k, 'A' + k % 26);
  const U32 names = s.Dir(1, 0);
  s.Entry(root, 1, 14, kHigh | names);
  s.Entry(names, 0, kHigh | static_cast<U32>(name), s.Shared(leaves, s.Data(GroupOf(1, 16, 4, block.size()))));
  return Program(s);
}

Bytes ProgramManyMembers(std::size_t images, std::size_t groups) {
  Section s;
  const Bytes block = SmallIconBlock();
  const U32 root = s.Dir(0, 2);
  const U32 icons = s.Dir(0, images);
  const U32 data = s.Data(block);
  s.Entry(root, 0, 3, kHigh | icons);
  Bytes group = GroupOf(images, 16, 4, block.size());
  for (std::size_t k = 0; k < images; ++k) {
    s.Entry(icons, k, static_cast<U32>(k + 1), s.Shared(1, data, 0));
    PutU16(group, 6 + 14 * k + 12, static_cast<U32>(k + 1));
  }
  // The groups are in languages the images are not: each member is found
  // among the neutral ones.
  const U32 languages = s.Dir(0, groups);
  const U32 groupData = s.Data(group);
  for (std::size_t k = 0; k < groups; ++k) s.Entry(languages, k, static_cast<U32>(1033 + k), groupData);
  s.Entry(root, 1, 14, s.Shared(1, kHigh | languages, 1));
  return Program(s);
}

Bytes ProgramRepeatedPng(std::size_t members) {
  Section s;
  const Bytes png = LargePng();
  const U32 root = s.Dir(0, 2);
  s.Entry(root, 0, 3, s.OneLeaf(1, s.Data(png)));
  s.Entry(root, 1, 14, s.OneLeaf(1, s.Data(GroupOf(members, 0, 32, png.size()))));
  return Program(s);
}

Bytes ProgramManyLanguages(std::size_t leaves) {
  Section s;
  const Bytes block = SmallIconBlock();
  const U32 root = s.Dir(0, 3);
  s.Entry(root, 0, 3, s.OneLeaf(1, s.Data(block)));
  // RT_RCDATA 1 in every language, all pointing at one block; the counts
  // are split between the two fields so that more than 65,535 fit.
  const U32 languages = s.Dir(leaves / 2, leaves - leaves / 2);
  const U32 data = s.Data(Bytes(1024, 0x5A));
  for (std::size_t k = 0; k < leaves; ++k) s.Entry(languages, k, static_cast<U32>(k % 0x10000), data);
  s.Entry(root, 1, 10, s.Shared(1, kHigh | languages, 1));
  s.Entry(root, 2, 14, s.OneLeaf(1, s.Data(GroupOf(1, 16, 4, block.size()))));
  return Program(s);
}

Bytes AniRepeatedPng(std::size_t frames) {
  return Ani(std::vector<Bytes>(frames, IconOfPng(LargePng(), 32)));
}

Bytes AniLargeFrames(std::size_t frames) {
  std::vector<Bytes> icons;
  for (std::size_t f = 0; f < frames; ++f)
    icons.push_back(IconOfPng(LargePng(static_cast<std::uint8_t>(0x30 + 16 * f)), 1, true));
  return Ani(icons);
}

Bytes SvgzBomb(std::size_t inflated) {
  const std::string head =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\"><rect width=\"16\" height=\"16\"/>";
  const std::string tail = "</svg>", blanks(1 << 20, ' ');
  z_stream z{};
  deflateInit2(&z, 9, Z_DEFLATED, 16 + MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
  Bytes out;
  std::uint8_t chunk[1 << 16];
  // Streamed: the whole text would be as large as the bomb.
  auto feed = [&](const std::string& text, int flush) {
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = static_cast<uInt>(text.size());
    do {
      z.next_out = chunk;
      z.avail_out = sizeof chunk;
      deflate(&z, flush);
      out.insert(out.end(), chunk, chunk + (sizeof chunk - z.avail_out));
    } while (z.avail_out == 0);
  };
  feed(head, Z_NO_FLUSH);
  std::size_t left = inflated > head.size() + tail.size() ? inflated - head.size() - tail.size() : 0;
  for (; left >= blanks.size(); left -= blanks.size()) feed(blanks, Z_NO_FLUSH);
  feed(blanks.substr(0, left), Z_NO_FLUSH);
  feed(tail, Z_FINISH);
  deflateEnd(&z);
  return out;
}

Bytes TruncatedJpeg(int side) {
  Bytes jpeg = document::EncodeJpeg(raster::Picture(16, 16, raster::Rgb(90, 120, 200))).value_or(Bytes{});
  // The frame header (SOF0) gets the claimed size; the data after the scan
  // header is cut off with the end marker.
  for (std::size_t k = 0; k + 9 < jpeg.size(); ++k) {
    if (jpeg[k] == 0xFF && jpeg[k + 1] == 0xC0) {
      for (const std::size_t at : {k + 5, k + 7}) {
        jpeg[at] = static_cast<std::uint8_t>(side >> 8);
        jpeg[at + 1] = static_cast<std::uint8_t>(side);
      }
    }
    if (jpeg[k] == 0xFF && jpeg[k + 1] == 0xDA) {
      jpeg.resize(k + 2 + ((std::size_t{jpeg[k + 2]} << 8) | jpeg[k + 3]) + 8);
      break;
    }
  }
  return jpeg;
}

std::string InfRepeatedAddReg(std::size_t mentions, std::size_t lines) {
  std::string inf = "[Version]\nsignature=\"$CHICAGO$\"\n\n[DefaultInstall]\nAddReg=b";
  for (std::size_t k = 1; k < mentions; ++k) inf += ",b";
  inf += "\n\n[b]\n";
  for (std::size_t k = 0; k < lines; ++k)
    inf += "HKCU,\"Control Panel\\Cursors\",Arrow,0x00020000,\"%10%\\Cursors\\%pointer%\"\n";
  return inf + "\n[Strings]\npointer=\"arrow.cur\"\n";
}

}  // namespace pixmint::test
