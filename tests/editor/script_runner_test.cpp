#include "script/script_runner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "raster/colour.h"
#include "script/scripted_host.h"
#include "support/pixel_grid.h"

namespace pixmint::editor::test {
namespace {

using raster::Rgb;
using namespace pixmint::script;

struct RunResult {
  int status = 0;
  std::string out;
  std::string err;
};

RunResult RunText(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunScript(in, out, err);
  return {status, out.str(), err.str()};
}

constexpr const char* kSpray =
    "new icon 16 16 32\ntool spray\noption 0\nfore 0 0 0\nseed 11\npress 8 8\ntick 3\nrelease 8 8\n"
    "print pixels work\n";

TEST(ScriptRunnerTest, PinnedSeedRepeatsTheSprayExactly) {
  const RunResult first = RunText(kSpray);
  const RunResult second = RunText(kSpray);
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.out, second.out);
  // The dots are there, and another seed scatters them differently.
  EXPECT_NE(first.out.find("b=0,0,0"), std::string::npos) << first.out;
  std::string other = kSpray;
  other.replace(other.find("seed 11"), 7, "seed 12");
  EXPECT_NE(RunText(other).out, first.out);
}

// Every bad line stops the run with its number, never with a crash, an
// overflow or a hang; an answer no dialog took is such a line.
TEST(ScriptRunnerTest, ErrorsNameTheLine) {
  for (const char* bad : {"seed\n", "seed x\n", "print pixels nothing\n", "answer riddle\n", "zoom -2147483648\n",
                          "zoom 2147483647\n", "click 2147483647 1\n", "click @2147483647 1\n", "tick 2147483647\n",
                          "save-as \"unclosed\n", "save b.ico\n", "answer yes\nzoom in\n"}) {
    const RunResult r = RunText(std::string("new icon 8 8 32\n# comment\n") + bad);
    EXPECT_EQ(r.status, 1) << bad;
    const std::string line = std::string(bad).find("answer yes") == 0 ? "line 4: " : "line 3: ";
    EXPECT_EQ(r.err.rfind(line, 0), 0u) << r.err;
  }
}

// A huge paste answer is held inside the clipboard picture; quoted paths may
// hold blanks and #.
TEST(ScriptRunnerTest, HugeAnswersAreHeldAndQuotedPathsKeepEverything) {
  pixmint::test::TempDir dir;
  const std::string path = (dir / "a b#c.ico").string();
  const RunResult r = RunText(
      "new icon 16 16 24\ntool pencil\nclick 1 1\nselect-all\ncopy\nconvert 4 4 24\n"
      "answer paste 2147483647 2147483647 2147483647 2147483647 stretch\npaste\n"
      "save \"" +
      path + "\" # named\nprint state\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(std::filesystem::exists(path)) << r.out;
}

TEST(StandInTextTest, CellsSpacesAndCodeBits) {
  const raster::Colour ink = Rgb(1, 2, 3);
  EXPECT_TRUE(StandInText("", ink).Empty());
  const raster::Picture two = StandInText("A B", ink);
  ASSERT_EQ(two.Width(), 17);
  ASSERT_EQ(two.Height(), 7);
  // The gap column and the space's cell stay transparent.
  for (int y = 0; y < 7; ++y) {
    EXPECT_EQ(two.Alpha(5, y), 0);
    for (int x = 6; x < 11; ++x) EXPECT_EQ(two.Alpha(x, y), 0);
    EXPECT_EQ(two.Pixel(12, y), ink);  // the frame of 'B'
  }
  // Different characters give different cells.
  EXPECT_FALSE(pixmint::test::SamePicture(StandInText("A", ink), StandInText("B", ink)));
}

}  // namespace
}  // namespace pixmint::editor::test
