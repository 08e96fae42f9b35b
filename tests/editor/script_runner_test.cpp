#include "script/script_runner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "script/scripted_host.h"

namespace pixmint::editor::test {
namespace {

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

}  // namespace
}  // namespace pixmint::editor::test
