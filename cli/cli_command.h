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
struct CliCommand {
  std::string_view name;
  std::string_view usage;  // the words after the name, for the usage text
  int (*run)(std::span<const std::string> args);
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
