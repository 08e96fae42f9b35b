#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "document/file_io.h"
#include "document/png_codec.h"
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

// The one test picture: colour ramps that differ per seed, fully transparent
// specks and a band of partial alpha (visible at 32 bits, transparent at
// other depths).
inline document::Image32 Pattern(int side, int seed = 0) {
  document::Image32 image{side, side, std::vector<std::uint8_t>(static_cast<std::size_t>(side) * side * 4)};
  const int last = side > 1 ? side - 1 : 1;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      std::uint8_t* p = &image.pixels[(static_cast<std::size_t>(y) * side + x) * 4];
      p[0] = static_cast<std::uint8_t>(x * 255 / last + seed * 50);
      p[1] = static_cast<std::uint8_t>(y * 255 / last);
      p[2] = static_cast<std::uint8_t>(((x * 7) ^ (y * 3)) + seed * 70);
      p[3] = (x + y) % 7 == 0 ? 0 : x < side / 4 ? 100 : 255;
    }
  }
  return image;
}

// Writes Pattern(side, seed) as a PNG file and returns its path.
inline std::filesystem::path WritePattern(const std::filesystem::path& path, int side, int seed = 0) {
  const document::Image32 image = Pattern(side, seed);
  if (!document::WriteFileAtomically(path,
                                     *document::EncodePng32(side, side, image.pixels, document::ChannelOrder::kRgba)))
    ADD_FAILURE() << "cannot write " << path;
  return path;
}

inline std::optional<document::Image32> ReadPng(const std::filesystem::path& path) {
  const auto bytes = document::ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  auto png = document::DecodePng(*bytes, document::ChannelOrder::kRgba, 4096);
  return png ? std::optional(*std::move(png)) : std::nullopt;
}

}  // namespace pixmint::test
