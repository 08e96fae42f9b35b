#include "hostile_inputs.h"

#include <zlib.h>

#include <span>

#include "document/byte_io.h"
#include "document/ico_reader.h"
#include "document/jpeg_codec.h"
#include "document/kv_icon.h"

namespace pixmint::test {
namespace {

using document::PutU16;
using document::PutU32;

constexpr std::uint32_t kHigh = 0x80000000u;
constexpr std::uint32_t kSectionRva = 0x1000;
constexpr std::uint32_t kSectionOffset = 0x200;

void Append32(Bytes& out, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
}

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
  std::size_t Dir(std::uint32_t named, std::uint32_t ids) {
    const std::size_t at = Reserve(16 + 8 * std::size_t{named + ids});
    PutU16(bytes, at + 12, named);
    PutU16(bytes, at + 14, ids);
    return at;
  }
  void Entry(std::size_t dir, std::size_t k, std::uint32_t id, std::uint32_t target) {
    PutU32(bytes, dir + 16 + 8 * k, id);
    PutU32(bytes, dir + 20 + 8 * k, target);
  }
  // A data entry and the data it points at.
  std::size_t Data(std::span<const std::uint8_t> data) {
    const std::size_t entry = Reserve(16);
    const std::size_t at = Reserve(data.size());
    std::copy(data.begin(), data.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
    PutU32(bytes, entry, kSectionRva + static_cast<std::uint32_t>(at));
    PutU32(bytes, entry + 4, static_cast<std::uint32_t>(data.size()));
    return entry;
  }
  // A one-entry path from a directory entry down to a data entry: the name
  // and the language directories.
  std::uint32_t OneLeaf(std::uint32_t name, std::size_t data) {
    const std::size_t names = Dir(0, 1);
    const std::size_t languages = Dir(0, 1);
    Entry(names, 0, name, kHigh | static_cast<std::uint32_t>(languages));
    Entry(languages, 0, 0, static_cast<std::uint32_t>(data));
    return kHigh | static_cast<std::uint32_t>(names);
  }
};

// A 64-bit program file whose only section holds the resources.
Bytes Program(const Section& section) {
  const std::size_t raw = (section.bytes.size() + 0x1FF) / 0x200 * 0x200;
  Bytes file(kSectionOffset + raw, 0);
  file[0] = 'M';
  file[1] = 'Z';
  PutU32(file, 0x3C, 0x40);
  file[0x40] = 'P';
  file[0x41] = 'E';
  const std::size_t coff = 0x44, optional = coff + 20, table = optional + 240;
  PutU16(file, coff, 0x8664);
  PutU16(file, coff + 2, 1);
  PutU16(file, coff + 16, 240);
  PutU16(file, coff + 18, 0x22);
  PutU16(file, optional, 0x20B);
  PutU32(file, optional + 32, 0x1000);
  PutU32(file, optional + 36, 0x200);
  PutU32(file, optional + 56, static_cast<std::uint32_t>(kSectionRva + (raw + 0xFFF) / 0x1000 * 0x1000));
  PutU32(file, optional + 60, kSectionOffset);
  PutU16(file, optional + 68, 2);
  PutU32(file, optional + 108, 16);
  PutU32(file, optional + 112 + 8 * 2, kSectionRva);
  PutU32(file, optional + 116 + 8 * 2, static_cast<std::uint32_t>(section.bytes.size()));
  std::copy_n(".rsrc", 5, file.begin() + static_cast<std::ptrdiff_t>(table));
  PutU32(file, table + 8, static_cast<std::uint32_t>(section.bytes.size()));
  PutU32(file, table + 12, kSectionRva);
  PutU32(file, table + 16, static_cast<std::uint32_t>(raw));
  PutU32(file, table + 20, kSectionOffset);
  PutU32(file, table + 36, 0x40000040u);
  std::copy(section.bytes.begin(), section.bytes.end(), file.begin() + kSectionOffset);
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

void AppendBig32(Bytes& out, std::uint32_t v) {
  for (int k = 3; k >= 0; --k) out.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
}

// A PNG chunk: length, type, data, check value.
void PngChunk(Bytes& out, std::string_view type, const Bytes& data) {
  AppendBig32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  AppendBig32(out, static_cast<std::uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

// A 1024 x 1024 RGBA PNG of one colour, compressed as tightly as zlib can:
// about 4 KB.
Bytes LargePng(std::uint8_t value = 0x80) {
  Bytes rows;
  for (int y = 0; y < 1024; ++y) {
    rows.push_back(0);
    rows.insert(rows.end(), 1024 * 4, value);
  }
  uLongf size = compressBound(static_cast<uLong>(rows.size()));
  Bytes packed(size);
  compress2(packed.data(), &size, rows.data(), static_cast<uLong>(rows.size()), 9);
  packed.resize(size);
  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  AppendBig32(header, 1024);
  AppendBig32(header, 1024);
  header.insert(header.end(), {8, 6, 0, 0, 0});
  PngChunk(png, "IHDR", header);
  PngChunk(png, "IDAT", packed);
  PngChunk(png, "IEND", {});
  return png;
}

// An icon group directory whose members all name image id 1 of this size.
Bytes GroupOf(std::size_t members, std::uint8_t side, std::uint16_t bits, std::size_t blockBytes) {
  Bytes group(6 + 14 * members, 0);
  PutU16(group, 2, 1);
  PutU16(group, 4, static_cast<std::uint32_t>(members));
  for (std::size_t k = 0; k < members; ++k) {
    const std::size_t at = 6 + 14 * k;
    group[at] = side;
    group[at + 1] = side;
    PutU16(group, at + 4, 1);
    PutU16(group, at + 6, bits);
    PutU32(group, at + 8, static_cast<std::uint32_t>(blockBytes));
    PutU16(group, at + 12, 1);
  }
  return group;
}

// A program with RT_ICON 1 (block) and RT_GROUP_ICON 1 listing it members
// times.
Bytes IconProgram(const Bytes& block, std::size_t members, std::uint8_t side, std::uint16_t bits) {
  Section s;
  const std::size_t root = s.Dir(0, 2);
  s.Entry(root, 0, 3, s.OneLeaf(1, s.Data(block)));
  s.Entry(root, 1, 14, s.OneLeaf(1, s.Data(GroupOf(members, side, bits, block.size()))));
  return Program(s);
}

}  // namespace

Bytes XcursorSharedImage(std::size_t entries, int side) {
  Bytes out;
  for (const std::uint32_t v : {0x72756358u, 16u, 0x10000u, static_cast<std::uint32_t>(entries)}) Append32(out, v);
  const auto chunk = static_cast<std::uint32_t>(16 + 12 * entries);
  for (std::size_t k = 0; k < entries; ++k) {
    for (const std::uint32_t v : {0xFFFD0002u, static_cast<std::uint32_t>(side), chunk}) Append32(out, v);
  }
  const auto s = static_cast<std::uint32_t>(side);
  for (const std::uint32_t v : {36u, 0xFFFD0002u, s, 1u, s, s, 0u, 0u, 50u}) Append32(out, v);
  out.resize(out.size() + std::size_t{s} * s * 4, 0xFF);
  return out;
}

Bytes XcursorManySizes(std::size_t sizes) {
  Bytes out;
  for (const std::uint32_t v : {0x72756358u, 16u, 0x10000u, static_cast<std::uint32_t>(sizes)}) Append32(out, v);
  for (std::size_t k = 0; k < sizes; ++k) {
    const auto at = static_cast<std::uint32_t>(16 + 12 * sizes + 40 * k);
    for (const std::uint32_t v : {0xFFFD0002u, static_cast<std::uint32_t>(k + 1), at}) Append32(out, v);
  }
  for (std::size_t k = 0; k < sizes; ++k) {
    const auto size = static_cast<std::uint32_t>(k + 1);
    for (const std::uint32_t v : {36u, 0xFFFD0002u, size, 1u, 1u, 1u, 0u, 0u, 0u, 0xFF000000u}) Append32(out, v);
  }
  return out;
}

Bytes ProgramSharedLongName(std::size_t leaves) {
  Section s;
  const Bytes block = SmallIconBlock();
  const std::size_t root = s.Dir(0, 2);
  s.Entry(root, 0, 3, s.OneLeaf(1, s.Data(block)));
  const std::size_t name = s.Reserve(2 + 2 * 0xFFFF);
  PutU16(s.bytes, name, 0xFFFF);
  for (std::size_t k = 0; k < 0xFFFF; ++k) PutU16(s.bytes, name + 2 + 2 * k, 'A' + k % 26);
  const std::size_t names = s.Dir(1, 0);
  const std::size_t languages = s.Dir(0, static_cast<std::uint32_t>(leaves));
  const std::size_t group = s.Data(GroupOf(1, 16, 4, block.size()));
  s.Entry(root, 1, 14, kHigh | static_cast<std::uint32_t>(names));
  s.Entry(names, 0, kHigh | static_cast<std::uint32_t>(name), kHigh | static_cast<std::uint32_t>(languages));
  for (std::size_t k = 0; k < leaves; ++k) {
    s.Entry(languages, k, static_cast<std::uint32_t>(k), static_cast<std::uint32_t>(group));
  }
  return Program(s);
}

Bytes ProgramManyMembers(std::size_t images, std::size_t groups) {
  Section s;
  const Bytes block = SmallIconBlock();
  const std::size_t root = s.Dir(0, 2);
  const std::size_t icons = s.Dir(0, static_cast<std::uint32_t>(images));
  const std::size_t data = s.Data(block);
  s.Entry(root, 0, 3, kHigh | static_cast<std::uint32_t>(icons));
  Bytes group = GroupOf(images, 16, 4, block.size());
  for (std::size_t k = 0; k < images; ++k) {
    const std::size_t languages = s.Dir(0, 1);
    s.Entry(languages, 0, 0, static_cast<std::uint32_t>(data));
    s.Entry(icons, k, static_cast<std::uint32_t>(k + 1), kHigh | static_cast<std::uint32_t>(languages));
    PutU16(group, 6 + 14 * k + 12, static_cast<std::uint32_t>(k + 1));
  }
  // The groups are in languages the images are not: each member is found
  // among the neutral ones.
  const std::size_t names = s.Dir(0, 1);
  const std::size_t languages = s.Dir(0, static_cast<std::uint32_t>(groups));
  const std::size_t groupData = s.Data(group);
  for (std::size_t k = 0; k < groups; ++k) {
    s.Entry(languages, k, static_cast<std::uint32_t>(1033 + k), static_cast<std::uint32_t>(groupData));
  }
  s.Entry(names, 0, 1, kHigh | static_cast<std::uint32_t>(languages));
  s.Entry(root, 1, 14, kHigh | static_cast<std::uint32_t>(names));
  return Program(s);
}

Bytes ProgramRepeatedPng(std::size_t members) {
  return IconProgram(LargePng(), members, 0, 32);
}

Bytes ProgramManyLanguages(std::size_t leaves) {
  Section s;
  const Bytes block = SmallIconBlock();
  const std::size_t root = s.Dir(0, 3);
  s.Entry(root, 0, 3, s.OneLeaf(1, s.Data(block)));
  // RT_RCDATA 1 in every language, all pointing at one block; the counts
  // are split between the two fields so that more than 65,535 fit.
  const std::size_t names = s.Dir(0, 1);
  const auto half = static_cast<std::uint32_t>(leaves / 2);
  const std::size_t languages = s.Dir(half, static_cast<std::uint32_t>(leaves) - half);
  const std::size_t data = s.Data(Bytes(1024, 0x5A));
  s.Entry(root, 1, 10, kHigh | static_cast<std::uint32_t>(names));
  s.Entry(names, 0, 1, kHigh | static_cast<std::uint32_t>(languages));
  for (std::size_t k = 0; k < leaves; ++k) {
    s.Entry(languages, k, static_cast<std::uint32_t>(k % 0x10000), static_cast<std::uint32_t>(data));
  }
  s.Entry(root, 2, 14, s.OneLeaf(1, s.Data(GroupOf(1, 16, 4, block.size()))));
  return Program(s);
}

namespace {

Bytes RiffChunk(std::string_view id, const Bytes& data) {
  Bytes out(id.begin(), id.end());
  Append32(out, static_cast<std::uint32_t>(data.size()));
  out.insert(out.end(), data.begin(), data.end());
  if (data.size() % 2 != 0) out.push_back(0);
  return out;
}

// An icon (or cursor, hot spot 0, 0) file whose entries all point at one
// PNG block.
Bytes IconOfPng(const Bytes& png, std::size_t entries, bool cursor = false) {
  Bytes icon(6 + 16 * entries, 0);
  PutU16(icon, 2, cursor ? 2 : 1);
  PutU16(icon, 4, static_cast<std::uint32_t>(entries));
  for (std::size_t k = 0; k < entries; ++k) {
    PutU16(icon, 6 + 16 * k + 4, cursor ? 0 : 1);
    PutU16(icon, 6 + 16 * k + 6, cursor ? 0 : 32);
    PutU32(icon, 6 + 16 * k + 8, static_cast<std::uint32_t>(png.size()));
    PutU32(icon, 6 + 16 * k + 12, static_cast<std::uint32_t>(icon.size()));
  }
  icon.insert(icon.end(), png.begin(), png.end());
  return icon;
}

Bytes Ani(const std::vector<Bytes>& frames) {
  Bytes anih;
  const auto n = static_cast<std::uint32_t>(frames.size());
  for (const std::uint32_t v : {36u, n, n, 0u, 0u, 0u, 0u, 10u, 1u}) Append32(anih, v);
  Bytes fram = {'f', 'r', 'a', 'm'};
  for (const Bytes& frame : frames) {
    const Bytes c = RiffChunk("icon", frame);
    fram.insert(fram.end(), c.begin(), c.end());
  }
  Bytes body = {'A', 'C', 'O', 'N'};
  for (const Bytes& c : {RiffChunk("anih", anih), RiffChunk("LIST", fram)}) body.insert(body.end(), c.begin(), c.end());
  return RiffChunk("RIFF", body);
}

}  // namespace

Bytes AniRepeatedPng(std::size_t frames) {
  return Ani(std::vector<Bytes>(frames, IconOfPng(LargePng(), 32)));
}

Bytes AniLargeFrames(std::size_t frames) {
  std::vector<Bytes> icons;
  for (std::size_t f = 0; f < frames; ++f) {
    icons.push_back(IconOfPng(LargePng(static_cast<std::uint8_t>(0x30 + 16 * f)), 1, true));
  }
  return Ani(icons);
}

Bytes SvgzBomb(std::size_t inflated) {
  const std::string head =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\"><rect width=\"16\" height=\"16\"/>";
  const std::string tail = "</svg>";
  const std::string blanks(1 << 20, ' ');
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
  const raster::Picture picture(16, 16, raster::Rgb(90, 120, 200));
  Bytes jpeg = document::EncodeJpeg(picture).value_or(Bytes{});
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
      const std::size_t length = (std::size_t{jpeg[k + 2]} << 8) | jpeg[k + 3];
      jpeg.resize(k + 2 + length + 8);
      break;
    }
  }
  return jpeg;
}

std::string InfRepeatedAddReg(std::size_t mentions, std::size_t lines) {
  std::string inf = "[Version]\nsignature=\"$CHICAGO$\"\n\n[DefaultInstall]\nAddReg=";
  for (std::size_t k = 0; k < mentions; ++k) inf += k == 0 ? "b" : ",b";
  inf += "\n\n[b]\n";
  for (std::size_t k = 0; k < lines; ++k) {
    inf += "HKCU,\"Control Panel\\Cursors\",Arrow,0x00020000,\"%10%\\Cursors\\%pointer%\"\n";
  }
  inf += "\n[Strings]\npointer=\"arrow.cur\"\n";
  return inf;
}

}  // namespace pixmint::test
