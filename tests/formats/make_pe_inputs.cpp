// Writes the icons, the cursor and the resource script that the MinGW tools
// turn into the program files the format tests read. Usage: make_pe_inputs DIR
#include <filesystem>
#include <fstream>
#include <iostream>

#include "document/kv_icon.h"
#include "ico_builder.h"

namespace {

using pixmint::document::TKvIcon;

bool Write(const std::filesystem::path& dir, const char* name, bool isIcon,
           std::initializer_list<std::pair<int, int>> images) {
  TKvIcon icon;
  icon.SetIcon(isIcon);
  int seed = 0;
  for (const auto& [side, depth] : images) {
    if (!icon.AddImage(side, side, depth)) return false;
    const std::uint32_t i = icon.ImageCount() - 1;
    pixmint::test::Paint(icon, i);
    ++seed;
    if (side == 256) icon.SetPngCompressed(i, true);
    if (!isIcon) icon.SetHotSpot(i, {side / 2, side / 4 + seed});
  }
  return static_cast<bool>(icon.SaveToFile((dir / name).string()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_pe_inputs DIR\n";
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);
  const bool ok = Write(dir, "multi.ico", true, {{16, 1}, {16, 4}, {32, 8}, {32, 24}, {48, 32}, {256, 32}}) &&
                  Write(dir, "small.ico", true, {{16, 8}}) &&
                  Write(dir, "arrow.cur", false, {{32, 1}, {16, 4}, {24, 32}});
  // Numbered and named groups, a name in two languages, two cursor groups
  // sharing their images' file, and two other resources that must survive a
  // rewrite untouched.
  std::ofstream rc(dir / "samples.rc");
  rc << "LANGUAGE 9, 1\n"
        "1 ICON \"multi.ico\"\n"
        "MAINICON ICON \"small.ico\"\n"
        "ARROW CURSOR \"arrow.cur\"\n"
        "7 CURSOR \"arrow.cur\"\n"
        "5 RCDATA { \"kept as it is\", 0x1234 }\n"
        "STRINGTABLE { 1, \"hello\" }\n"
        "LANGUAGE 7, 1\n"
        "MAINICON ICON \"multi.ico\"\n";
  rc << "\n";
  std::ofstream c(dir / "tiny.c");
  // One absolute address gives the program a relocation section after the
  // resources, so that the resources are not the last section.
  c << "static int value = 1;\nint *pointer = &value;\nint start(void) { return *pointer; }\n";
  return ok && rc && c ? 0 : 1;
}
