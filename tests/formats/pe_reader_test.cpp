// Reading the icon and cursor groups of program files made by MinGW, checked
// against the files they were made from and against icoutils' wrestool.
#include <cstdlib>
#include <tuple>

#include "document/byte_io.h"
#include "formats/pe_image.h"
#include "pe_samples.h"
#include "support/pixel_grid.h"

namespace pixmint::formats {
namespace {

using test::SampleBytes;
using test::SamplePath;

struct ExpectedGroup {
  GroupKind kind;
  std::string label;
  std::uint16_t language;
  std::string source;  // the file the resource script named
};

const std::vector<ExpectedGroup> kExpected = {
    {GroupKind::kCursor, "ARROW", 1033, "arrow.cur"},  {GroupKind::kCursor, "7", 1033, "arrow.cur"},
    {GroupKind::kIcon, "MAINICON", 1031, "multi.ico"}, {GroupKind::kIcon, "MAINICON", 1033, "small.ico"},
    {GroupKind::kIcon, "1", 1033, "multi.ico"},
};

class ProgramSample : public ::testing::TestWithParam<std::string> {};

TEST_P(ProgramSample, EveryGroupComesBackAsTheFileItWasMadeFrom) {
  PIXMINT_NEED_SAMPLES();
  const auto program = test::ReadProgram(SampleBytes(GetParam()));
  ASSERT_TRUE(program);
  EXPECT_EQ(program->Image().is64, GetParam().find("64") != std::string::npos);
  ASSERT_EQ(program->Groups().size(), kExpected.size());
  test::TempDir dir;
  for (std::size_t k = 0; k < kExpected.size(); ++k) {
    const ExpectedGroup& want = kExpected[k];
    SCOPED_TRACE(want.label + " " + std::to_string(want.language));
    const IconGroup& group = program->Groups()[k];
    EXPECT_EQ(std::tuple(group.kind, GroupLabel(group), group.language),
              std::tuple(want.kind, want.label, want.language));
    const auto file = program->GroupFile(group);
    ASSERT_TRUE(file);
    // Written by our writer, carried by windres, rebuilt by us: the same bytes.
    EXPECT_EQ(*file, SampleBytes(want.source));
    if (const auto theirs = test::Wrestool(SamplePath(GetParam()), want.kind, want.label, want.language, dir)) {
      EXPECT_TRUE(test::SameImages(*file, *theirs));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(MinGW, ProgramSample, ::testing::ValuesIn(test::kProgramSamples),
                         [](const auto& info) { return info.param.substr(0, info.param.find('.')); });

TEST(ProgramFile, GroupNamesFromTheCommandLine) {
  EXPECT_EQ(ParseGroupName("12"), ResourceId::Number(12));
  EXPECT_EQ(ParseGroupName("#12"), ResourceId::Number(12));
  EXPECT_EQ(ParseGroupName("70000"), ResourceId::Name(u"70000"));
  EXPECT_EQ(ParseGroupName("MainIcon"), ResourceId::Name(u"MainIcon"));
  EXPECT_EQ(ParseGroupName("\xC3\xA9t\xC3"), ResourceId::Name(u"\u00E9t\uFFFD"));
  EXPECT_TRUE(SameResource(ResourceId::Name(u"MAINICON"), ResourceId::Name(u"MainIcon")));
  EXPECT_FALSE(SameResource(ResourceId::Name(u"1"), ResourceId::Number(1)));
  EXPECT_EQ(ResourceId::Name(u"\u00E9\U0001F600").Text(), "\xC3\xA9\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace pixmint::formats
