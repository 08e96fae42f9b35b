// Damaged program files: every fault is refused or read safely, never
// beyond the data (the tests run under AddressSanitizer).
#include <functional>

#include "document/byte_io.h"
#include "formats/pe_image.h"
#include "pe_samples.h"

namespace pixmint::formats {
namespace {

using Bytes = std::vector<std::uint8_t>;
using document::GetU32;
using document::PutU16;
using document::PutU32;

// Where the parts of a sample lie.
struct Layout {
  std::size_t root = 0;       // the resource root directory
  std::size_t groupData = 0;  // the data of the first icon group
  std::size_t checksum = 0;
};

Layout Locate(const Bytes& bytes) {
  std::string why;
  const auto program = ProgramFile::Read(bytes, why);
  Layout at;
  if (!program) return at;
  at.root = *RvaToOffset(program->Image(), bytes, program->Tree().rva, 16);
  for (const auto& g : program->Groups()) {
    if (g.kind == GroupKind::kIcon) {
      at.groupData = program->Tree().entries[g.entry].offset;
      break;
    }
  }
  at.checksum = program->Image().ChecksumOffset();
  return at;
}

// Reads the file and everything in it; answers the first reason given.
std::string ReadEverything(Bytes bytes) {
  std::string why;
  const auto program = ProgramFile::Read(std::move(bytes), why);
  if (!program) return why;
  for (const IconGroup& g : program->Groups()) {
    std::string groupWhy;
    if (const auto file = program->GroupFile(g, groupWhy)) {
      document::TKvIcon icon;
      (void)icon.LoadFromMemory(*file, "group");
    } else if (why.empty()) {
      why = groupWhy;
    }
  }
  return why;
}

struct Damage {
  const char* name;
  std::function<void(Bytes&, const Layout&)> apply;
  const char* reason;  // part of the message
};

const std::vector<Damage> kDamages = {
    {"NoPeSignature", [](Bytes& b, const Layout&) { PutU32(b, 0x3C, 0x7FFFFFF0); }, "not a Windows program"},
    {"TooManySections", [](Bytes& b, const Layout&) { PutU16(b, GetU32(b, 0x3C) + 6, 0xFFFF); }, "sections"},
    {"SubdirectoryIsTheRoot", [](Bytes& b, const Layout& at) { PutU32(b, at.root + 20, 0x80000000u); }, "loop"},
    {"CountsBeyondTheSection", [](Bytes& b, const Layout& at) { PutU16(b, at.root + 14, 0xFFFF); }, "outside"},
    {"SubdirectoryBeyondTheSection", [](Bytes& b, const Layout& at) { PutU32(b, at.root + 20, 0xFFFFFFF0u); },
     "outside the section"},
    {"DataWhereADirectoryBelongs", [](Bytes& b, const Layout& at) { PutU32(b, at.root + 20, 0x10); }, "data where"},
    {"GroupNamesAMissingImage", [](Bytes& b, const Layout& at) { PutU16(b, at.groupData + 6 + 12, 999); },
     "image 999 is missing"},
    {"GroupCountBeyondItsData", [](Bytes& b, const Layout& at) { PutU16(b, at.groupData + 4, 5000); }, "shorter"},
    {"EmptyGroup", [](Bytes& b, const Layout& at) { PutU16(b, at.groupData + 4, 0); }, "empty group"},
};

void PrintTo(const Damage& damage, std::ostream* os) {
  *os << damage.name;
}

class DamagedProgram : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedProgram, IsRefusedWithItsReason) {
  PIXMINT_NEED_SAMPLES();
  for (const std::string sample : {"res32.dll", "app64.exe"}) {
    Bytes bytes = test::SampleBytes(sample);
    GetParam().apply(bytes, Locate(bytes));
    EXPECT_NE(ReadEverything(bytes).find(GetParam().reason), std::string::npos)
        << sample << ": " << ReadEverything(bytes);
  }
}

INSTANTIATE_TEST_SUITE_P(Faults, DamagedProgram, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pixmint::formats
