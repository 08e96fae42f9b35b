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
#include "document/kv_icon.h"
#include "document/png_codec.h"
#include "support/pixel_grid.h"

namespace pixmint::test {

namespace fs = std::filesystem;

// One run of the built pixmint-cli: exit code and what it printed.
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

inline void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// A path as one shell word.
inline std::string Q(const fs::path& path) {
  return "'" + path.string() + "'";
}

// Runs pixmint-cli with args (already quoted for the shell) inside dir's
// files; prefix goes before the program: variables, or a command to run it with.
inline CliRun Cli(const TempDir& dir, const std::string& args, const std::string& prefix = "",
                  const std::string& program = PIXMINT_CLI) {
  const std::string cmd =
      prefix + " " + Q(program) + " " + args + " >" + Q(dir / "out.txt") + " 2>" + Q(dir / "err.txt");
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

// The Windows programs built at configure time, when the cross tools were there.
inline fs::path Sample(const std::string& name) {
  return fs::path(PIXMINT_PE_SAMPLES) / name;
}
inline bool HaveSamples() {
  return fs::exists(Sample("res64.dll"));
}

// The master picture: colour ramps that differ per seed, fully transparent
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

// Writes Pattern(side, seed) as a PNG file and returns its quoted path.
inline std::string WritePattern(const fs::path& path, int side, int seed = 0) {
  const document::Image32 image = Pattern(side, seed);
  if (!document::WriteFileAtomically(path,
                                     *document::EncodePng32(side, side, image.pixels, document::ChannelOrder::kRgba)))
    ADD_FAILURE() << "cannot write " << path;
  return Q(path);
}

inline std::optional<document::Image32> ReadPng(const fs::path& path) {
  const auto bytes = document::ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  auto png = document::DecodePng(*bytes, document::ChannelOrder::kRgba, 4096);
  return png ? std::optional(*std::move(png)) : std::nullopt;
}

// Adds a side x side image whose pixel (x, y) is argb(x, y). Alpha 0 sets
// the mask bit, so below 32 bits a clear white pixel inverts the screen.
template <class Argb>
void AddPicture(document::TKvIcon& icon, int side, int bits, Argb argb) {
  ASSERT_TRUE(icon.AddImage(side, side, bits));
  const std::uint32_t i = icon.ImageCount() - 1;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const std::uint32_t v = argb(x, y);
      if (bits == 32) {
        icon.XorBitmap(i)->SetRaw(x, y, v);
      } else {
        icon.XorBitmap(i)->SetPixel(x, y, raster::Rgb(v >> 16 & 0xFF, v >> 8 & 0xFF, v & 0xFF));
      }
      icon.AndBitmap(i)->Set(x, y, v >> 24 == 0);
    }
  }
}

// A 1-bit I-beam cursor whose stem inverts the screen.
inline void WriteIBeam(const fs::path& path) {
  document::TKvIcon icon;
  icon.SetIcon(false);
  AddPicture(icon, 32, 1, [](int x, int y) { return x == 15 && y >= 4 && y < 28 ? 0x00FFFFFFu : 0u; });
  icon.SetHotSpot(0, {15, 16});
  ASSERT_TRUE(icon.SaveToFile(path.string()));
}

}  // namespace pixmint::test
