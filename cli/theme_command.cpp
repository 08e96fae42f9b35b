// pixmint-cli xcursor-theme SRC_DIR OUT_DIR [--name NAME]: a folder of
// Windows cursors as an installable Xcursor theme.
#include <filesystem>
#include <iostream>

#include "cli/cli_command.h"
#include "cli/cli_support.h"
#include "formats/cursor_theme.h"

namespace pixmint::cli {

int RunXcursorTheme(std::span<const std::string> args) {
  static constexpr std::string_view kUsage = "usage: pixmint-cli xcursor-theme SRC_DIR OUT_DIR [--name NAME]";
  std::vector<std::string> dirs;
  std::optional<std::string> name;
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (args[k] == "--name") {
      if (k + 1 >= args.size() || args[k + 1].empty() || name) return Fail(kExitUsage, kUsage);
      name = args[++k];
    } else {
      dirs.push_back(args[k]);
    }
  }
  if (dirs.size() != 2) return Fail(kExitUsage, kUsage);
  std::string why;
  const auto sources = formats::FindThemeSources(dirs[0], why);
  if (!sources) return Fail(kExitFailure, Escaped(why));
  PrintNotes(sources->notes);
  if (!name) name = sources->schemeName;
  if (name->empty()) name = std::filesystem::absolute(dirs[1]).lexically_normal().filename().string();
  if (name->empty()) name = std::filesystem::absolute(dirs[1]).lexically_normal().parent_path().filename().string();
  formats::ThemeReport report;
  const bool built = formats::BuildCursorTheme(*sources, dirs[1], *name, report, why);
  PrintNotes(report.notes);
  if (!built) return Fail(kExitFailure, Escaped(why));
  for (const std::string& line : report.lines) std::cout << Escaped(line) << '\n';
  std::cout << "theme \"" << Escaped(*name) << "\" in " << Escaped(dirs[1]) << '\n';
  return std::cout.flush() ? kExitOk : Fail(kExitFailure, "cannot write the output");
}

}  // namespace pixmint::cli
