// Damaged program files: every fault is refused or read safely, never
// beyond the data (the tests run under AddressSanitizer).
#include <algorithm>
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
  const auto program = ProgramFile::Read(bytes);
  Layout at;
  if (!program) return at;
  at.root = *RvaToOffset(program->Image(), bytes, program->Tree().rva, 16);
  const auto icon = std::ranges::find(program->Groups(), GroupKind::kIcon, &IconGroup::kind);
  if (icon != program->Groups().end()) at.groupData = program->Tree().entries[icon->entry].offset;
  at.checksum = program->Image().ChecksumOffset();
  return at;
}

// Reads the file and everything in it; answers the first failure.
std::optional<texts::Failure> ReadEverything(Bytes bytes) {
  const auto program = ProgramFile::Read(std::move(bytes));
  if (!program) return program.error();
  std::optional<texts::Failure> first;
  for (const IconGroup& g : program->Groups()) {
    if (const auto file = program->GroupFile(g)) {
      (void)document::TKvIcon().LoadFromMemory(*file, "group");
    } else if (!first) {
      first = file.error();
    }
  }
  return first;
}

struct Damage {
  const char* name;
  std::function<void(Bytes&, const Layout&)> apply;
  texts::Fail reason;
};

using texts::Fail;
const std::vector<Damage> kDamages = {
    {"NoPeSignature", [](Bytes& b, const Layout&) { PutU32(b, 0x3C, 0x7FFFFFF0); }, Fail::kNotAProgram},
    {"TooManySections", [](Bytes& b, const Layout&) { PutU16(b, GetU32(b, 0x3C) + 6, 0xFFFF); },
     Fail::kTooManySections},
    {"SubdirectoryIsTheRoot", [](Bytes& b, const Layout& at) { PutU32(b, at.root + 20, 0x80000000u); },
     Fail::kResourceLoop},
    {"CountsBeyondTheSection", [](Bytes& b, const Layout& at) { PutU16(b, at.root + 14, 0xFFFF); },
     Fail::kResourceEntriesOutside},
    {"SubdirectoryBeyondTheSection", [](Bytes& b, const Layout& at) { PutU32(b, at.root + 20, 0xFFFFFFF0u); },
     Fail::kResourceDirOutside},
    {"DataWhereADirectoryBelongs", [](Bytes& b, const Layout& at) { PutU32(b, at.root + 20, 0x10); },
     Fail::kResourceDataForDir},
    {"GroupNamesAMissingImage", [](Bytes& b, const Layout& at) { PutU16(b, at.groupData + 6 + 12, 999); },
     Fail::kGroupImageMissing},
    {"GroupCountBeyondItsData", [](Bytes& b, const Layout& at) { PutU16(b, at.groupData + 4, 5000); },
     Fail::kGroupShorterThanCount},
    {"EmptyGroup", [](Bytes& b, const Layout& at) { PutU16(b, at.groupData + 4, 0); }, Fail::kEmptyGroup},
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
    const auto failure = ReadEverything(bytes);
    ASSERT_TRUE(failure) << sample;
    EXPECT_EQ(failure->code, GetParam().reason) << sample << ": " << texts::EnglishMessage(*failure);
  }
}

INSTANTIATE_TEST_SUITE_P(Faults, DamagedProgram, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pixmint::formats
