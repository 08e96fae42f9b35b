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

// What goes before the program for a run that must stay within bounds: a
// memory ceiling (AddressSanitizer's own when the build has it, since it
// cannot run under an address-space limit) and a kill after a minute, far
// beyond what any bounded run takes, so that a runaway fails instead of
// hanging the suite.
inline std::string Bounded(int megabytes) {
#if defined(__SANITIZE_ADDRESS__)
  return "ASAN_OPTIONS=hard_rss_limit_mb=" + std::to_string(megabytes) +
         ":quarantine_size_mb=16:exitcode=86:detect_leaks=0 timeout -s KILL 60";
#else
  return "ulimit -v " + std::to_string((megabytes + 256) * 1024) + "; timeout -s KILL 60";
#endif
}

// A path as one shell word.
inline std::string Quote(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

}  // namespace pixmint::test
