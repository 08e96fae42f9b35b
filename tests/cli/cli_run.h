#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/pixel_grid.h"

namespace pixmint {

namespace fs = std::filesystem;

struct CliRun {
  int code = -1;
  std::string out;
  std::string err;
};

inline std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline CliRun Cli(const test::TempDir& dir, const std::string& args) {
  const std::string cmd = std::string("'") + PIXMINT_CLI + "' " + args + " >'" + (dir / "out.txt").string() + "' 2>'" +
                          (dir / "err.txt").string() + "'";
  const int status = std::system(cmd.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(dir / "out.txt"), Slurp(dir / "err.txt")};
}

// A path as one shell word.
inline std::string Quote(const fs::path& path) {
  return "'" + path.string() + "'";
}

}  // namespace pixmint
