// pixmint-cli script FILE: runs an editing script on a headless editor.
#include <fstream>
#include <iostream>

#include "cli/cli_command.h"
#include "document/temp_folder.h"
#include "script/script_runner.h"

namespace pixmint::cli {

int RunScript(std::span<const std::string> args) {
  if (args.size() != 1) {
    std::cerr << "usage: pixmint-cli script FILE\n";
    return kExitUsage;
  }
  std::ifstream in(args[0]);
  if (!in) {
    std::cerr << "pixmint-cli: cannot open " << args[0] << "\n";
    return kExitFailure;
  }
  // Runs that were killed left their private folders behind.
  document::RemoveDeadPrivateFolders();
  return editor::RunScript(in, std::cout, std::cerr);
}

}  // namespace pixmint::cli
