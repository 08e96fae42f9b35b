#pragma once

#include <span>
#include <string>
#include <string_view>

namespace pixmint::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// One sub-command of pixmint-cli. args are the words after the command name.
// A command prints its own one-line failure message and answers an exit code.
// summary and details make its part of --help (and so of the manual page,
// made from --help): details holds lines of "  WORD  meaning", each ending
// in a newline.
struct CliCommand {
  using Run = int (*)(std::span<const std::string> args);
  constexpr CliCommand(std::string_view name, std::string_view usage, Run run, std::string_view summary = {},
                       std::string_view details = {})
      : name(name), usage(usage), run(run), summary(summary), details(details) {}

  std::string_view name;
  std::string_view usage;  // the words after the name, for the usage text
  Run run;
  std::string_view summary;  // what it does: one or two sentences
  std::string_view details;  // its arguments and options, when they need saying
};

// Each command lives in its own file; main.cpp lists them.
int RunInfo(std::span<const std::string> args);
int RunExtract(std::span<const std::string> args);
int RunCreate(std::span<const std::string> args);
int RunScript(std::span<const std::string> args);
int RunXcursor(std::span<const std::string> args);
int RunXcursorTheme(std::span<const std::string> args);
int RunConvert(std::span<const std::string> args);
int RunReplace(std::span<const std::string> args);
int RunThumbnail(std::span<const std::string> args);
int RunCheck(std::span<const std::string> args);

}  // namespace pixmint::cli
