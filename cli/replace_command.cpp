// pixmint-cli replace PROGRAM.exe GROUP NEW.ico -o OUT.exe
#include <filesystem>

#include "cli/cli_command.h"
#include "cli/cli_support.h"
#include "cli/program_support.h"
#include "document/file_io.h"
#include "formats/pe_writer.h"

namespace pixmint::cli {

int RunReplace(std::span<const std::string> args) {
  static constexpr std::string_view kUsage = "usage: pixmint-cli replace PROGRAM.exe GROUP NEW.ico -o OUT.exe";
  std::vector<std::string> words;
  std::string out;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size() && out.empty()) {
      out = args[++i];
    } else {
      words.push_back(args[i]);
    }
  }
  if (words.size() != 3 || out.empty()) return Fail(kExitUsage, kUsage);
  const std::string& program = words[0];
  const std::string& newFile = words[2];
  std::error_code ec;
  if (std::filesystem::exists(out, ec) && std::filesystem::equivalent(program, out, ec)) {
    return Fail(kExitUsage, "the output must be a new file: the program itself is never changed");
  }
  std::string error;
  const auto source = LoadProgram(program, error);
  if (!source) return Fail(kExitFailure, error);
  const auto icon = document::ReadWholeFile(newFile);
  if (!icon) return Fail(kExitFailure, newFile + ": cannot read the file");
  const auto result = formats::ReplaceGroup(*source, formats::ParseGroupName(words[1]), *icon);
  if (!result) return Fail(kExitFailure, program + ": " + texts::EnglishMessage(result.error()));
  if (const auto written = document::WriteFileAtomically(out, *result); !written) {
    return Fail(kExitFailure, "cannot write " + out + ": " + texts::EnglishMessage(written.error()));
  }
  return kExitOk;
}

}  // namespace pixmint::cli
