// Writes the hostile files of hostile_inputs.h at the sizes they were
// measured at: the fuzz run replays them, the benchmarks time them.
// Usage: make_hostile_inputs DIR
#include <filesystem>
#include <fstream>
#include <iostream>

#include "document/kv_icon.h"
#include "hostile_inputs.h"

namespace {

namespace fs = std::filesystem;
using pixmint::test::Bytes;

bool Write(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

// A cursor set whose install.inf names its one section 340,000 times.
bool WriteTheme(const fs::path& dir) {
  fs::create_directories(dir);
  pixmint::document::TKvIcon arrow;
  arrow.SetIcon(false);
  const std::string inf = pixmint::test::InfRepeatedAddReg(340000, 400);
  return arrow.AddImage(32, 32, 4) && static_cast<bool>(arrow.SaveToFile((dir / "arrow.cur").string())) &&
         Write(dir / "install.inf", Bytes(inf.begin(), inf.end()));
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pixmint::test;
  if (argc != 2) {
    std::cerr << "usage: make_hostile_inputs DIR\n";
    return 2;
  }
  const fs::path dir = argv[1];
  fs::create_directories(dir);
  const Bytes shared = XcursorSharedImage(8500, 256);
  const bool ok = Write(dir / "xcursor-shared-image.xcur", shared) && Write(dir / "xcursor-shared-image.ani", shared) &&
                  Write(dir / "xcursor-shared-image-1mb.xcur", XcursorSharedImage(62000, 256)) &&
                  Write(dir / "program-shared-name.dll", ProgramSharedLongName(5300)) &&
                  Write(dir / "program-shared-name-20000.dll", ProgramSharedLongName(20000)) &&
                  Write(dir / "program-many-members.dll", ProgramManyMembers(20000, 4)) &&
                  Write(dir / "program-many-members-30000.dll", ProgramManyMembers(30000, 4)) &&
                  Write(dir / "xcursor-many-sizes.xcur", XcursorManySizes(150000)) &&
                  Write(dir / "program-repeated-png.dll", ProgramRepeatedPng(40000)) &&
                  Write(dir / "ani-repeated-png.ani", AniRepeatedPng(2)) &&
                  Write(dir / "bomb.svgz", SvgzBomb(std::size_t{1} << 30)) &&
                  Write(dir / "truncated.jpg", TruncatedJpeg(4096)) && WriteTheme(dir / "theme-inf") &&
                  Write(dir / "ani-8-frames-1024.ani", AniLargeFrames(8)) &&
                  Write(dir / "program-many-languages.dll", ProgramManyLanguages(70002));
  return ok ? 0 : 1;
}
