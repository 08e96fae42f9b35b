#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/pixel_grid.h"

namespace pixmint::test {

// One run of the built pixmint-cli: exit code and what it printed.
struct CliRun {
  int code = -1;
  std::string out;
  std::string err;
};

inline std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Runs pixmint-cli with args (already quoted for the shell) inside dir's
// files; prefix goes before the program: variables, or a command to run it with.
inline CliRun Cli(const TempDir& dir, const std::string& args, const std::string& prefix = "") {
  const std::string cmd = prefix + " '" + PIXMINT_CLI + "' " + args + " >'" + (dir / "out.txt").string() + "' 2>'" +
                          (dir / "err.txt").string() + "'";
  const int status = std::system(cmd.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(dir / "out.txt"), Slurp(dir / "err.txt")};
}

// A path as one shell word.
inline std::string Quote(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

}  // namespace pixmint::test
