// pixmint-cli: the icon document core without a window.
#include <array>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_command.h"

namespace {

using pixmint::cli::CliCommand;

// To add a command: write its Run function in a file of its own, declare it
// in cli_command.h and add a line here.
constexpr std::array kCommands = {
    CliCommand{"info", "FILE|PROGRAM.exe", pixmint::cli::RunInfo},
    CliCommand{"extract", "FILE|PROGRAM.exe OUTDIR", pixmint::cli::RunExtract},
    CliCommand{"create", "OUT.ico|OUT.cur|OUT.ani PNG[:BPP][@X,Y] ... [--rate N]", pixmint::cli::RunCreate},
    CliCommand{"convert",
               "OUT.ico|OUT.cur MASTER... [--sizes 16,24,...] [--depths 32,8,4] [--hotspot X,Y] [--threshold N] "
               "[--dither]",
               pixmint::cli::RunConvert},
    CliCommand{"replace", "PROGRAM.exe GROUP NEW.ico -o OUT.exe", pixmint::cli::RunReplace},
    CliCommand{"xcursor", "IN OUT", pixmint::cli::RunXcursor},
    CliCommand{"xcursor-theme", "SRC_DIR OUT_DIR [--name NAME]", pixmint::cli::RunXcursorTheme},
    CliCommand{"script", "[--lang en|zh] FILE", pixmint::cli::RunScript},
    CliCommand{"thumbnail", "IN OUT.png SIZE", pixmint::cli::RunThumbnail},
    CliCommand{"check", "[--json] [--strict] [--picks] [--favicon] FILE... | --fix -o OUT FILE",
               pixmint::cli::RunCheck},
};

int Usage() {
  std::cerr << "usage:\n";
  for (const CliCommand& c : kCommands) std::cerr << "  pixmint-cli " << c.name << ' ' << c.usage << '\n';
  return pixmint::cli::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string name = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  for (const CliCommand& c : kCommands) {
    if (c.name == name) return c.run(args);
  }
  std::cerr << "pixmint-cli: unknown command '" << name << "'\n";
  return Usage();
}
