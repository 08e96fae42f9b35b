#include <iostream>

#include "cli/cli_command.h"
#include "cli/cli_support.h"
#include "cli/program_support.h"

namespace pixmint::cli {

int RunInfo(std::span<const std::string> args) {
  if (args.size() != 1) return Fail(kExitUsage, "usage: pixmint-cli info FILE");
  const std::string& path = args[0];
  if (IsProgramFile(path)) return InfoProgram(path);
  document::TKvIcon icon;
  std::string error;
  if (!LoadDocument(path, icon, error)) return Fail(kExitFailure, error);
  const std::uint32_t count = icon.ImageCount();
  std::cout << path << ": " << (icon.FileType() == document::kTypeCursor ? "cursor" : "icon") << ", " << count

            << " images" << '\n';
  for (std::uint32_t i = 0; i < count; ++i) {
    if (icon.XorBitmap(i) == nullptr) return Fail(kExitFailure, path + ": image " + std::to_string(i) + " is missing");
  }
  PrintImages(std::cout, icon, "");
  return std::cout.flush() ? kExitOk : Fail(kExitFailure, "cannot write the output");
}

}  // namespace pixmint::cli
