// pixmint-cli script --lang: the editor's messages in the chosen language.
#include <gtest/gtest.h>

#include <fstream>

#include "cli_run.h"

namespace pixmint::test {
namespace {

TEST(CliScript, LangChoosesTheLanguageOfTheEditorsMessages) {
  TempDir dir;
  std::ofstream((dir / "s.pmscript").c_str())
      << "new icon 16 16 8\nrotate abc\nsave-as \"" << (dir / "a.ico").string() << "\"\nprint status\n";
  const std::string script = Quote(dir / "s.pmscript");
  struct Case {
    std::string option;
    std::string message;
    std::string saved;
  };
  for (const Case& c : {Case{"", "message: 错误: 无效的度数.", "保存文件成功."},
                        Case{"--lang zh ", "message: 错误: 无效的度数.", "保存文件成功."},
                        Case{"--lang en ", "message: Error: Invalid angle.", "File saved."},
                        Case{"--lang=EN ", "message: Error: Invalid angle.", "File saved."}}) {
    const CliRun run = Cli(dir, "script " + c.option + script);
    EXPECT_EQ(run.code, 0) << c.option << run.err;
    EXPECT_NE(run.out.find(c.message + "\n"), std::string::npos) << c.option << run.out;
    EXPECT_NE(run.out.find("\n" + c.saved + "\n"), std::string::npos) << c.option << run.out;
  }
  for (const std::string wrong : {"--lang fr ", "--lang ", "--lang=de "}) {
    const CliRun run = Cli(dir, "script " + wrong + (wrong == "--lang " ? "" : script));
    EXPECT_EQ(run.code, 2) << wrong;
    EXPECT_TRUE(run.out.empty()) << wrong << run.out;
  }
}

}  // namespace
}  // namespace pixmint::test
