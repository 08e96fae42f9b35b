#include "cursor_pack.h"

#include <array>
#include <cstdlib>

#include "document/file_io.h"
#include "formats/ani_file.h"
#include "formats/program_file.h"

namespace pixmint::packs {
namespace {

namespace fs = std::filesystem;

// user32's cursor groups (the IDC_ numbers) and the roles they play.
constexpr std::array<std::pair<std::uint16_t, std::string_view>, 15> kWineGroups = {{
    {32512, "Arrow"},
    {32651, "Help"},
    {32650, "AppStarting"},
    {32514, "Wait"},
    {32515, "Crosshair"},
    {32513, "IBeam"},
    {32631, "NWPen"},
    {32648, "No"},
    {32645, "SizeNS"},
    {32644, "SizeWE"},
    {32642, "SizeNWSE"},
    {32643, "SizeNESW"},
    {32646, "SizeAll"},
    {32516, "UpArrow"},
    {32649, "Hand"},
}};

std::string Quote(const fs::path& p) {
  std::string out = "'";
  for (char c : p.string()) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::unique_ptr<document::TKvIcon> Only32(const document::TKvIcon& icon) {
  std::optional<std::uint32_t> best;
  for (std::uint32_t i = 0; i < icon.ImageCount(); ++i) {
    const auto* s = icon.XorBitmap(i);
    if (s->Width() == 32 && s->Height() == 32 && (!best || icon.Colors(i) > icon.Colors(*best))) best = i;
  }
  auto out = std::make_unique<document::TKvIcon>();
  out->SetIcon(false);
  if (!best || !out->AppendImage(icon, *best)) return nullptr;
  return out;
}

std::vector<std::uint8_t> Utf16Crlf(const std::string& text) {
  std::vector<std::uint8_t> out = {0xFF, 0xFE};
  for (char c : text) {
    if (c == '\n') out.insert(out.end(), {'\r', 0});
    out.insert(out.end(), {static_cast<std::uint8_t>(c), 0});
  }
  return out;
}

std::string InstallInf(const std::vector<std::string>& files) {
  std::string list, strings;
  for (std::size_t k = 0; k < files.size(); ++k) {
    list += (k == 0 ? "" : ",") + std::string("%10%\\%CUR_DIR%\\%c") + std::to_string(k) + "%";
    // Quoted and unquoted values, as packs have both.
    strings += "c" + std::to_string(k) + " = " + (k % 2 == 0 ? "\"" + files[k] + "\"" : files[k]) + "\n";
  }
  return "; made for the cursor theme tests\n[Version]\nsignature=\"$CHICAGO$\"\n\n[DefaultInstall]\n"
         "CopyFiles = Scheme.Cur\nAddReg = Scheme.Reg\n\n[Scheme.Reg]\n"
         "HKCU,\"Control Panel\\Cursors\\Schemes\",\"%SCHEME_NAME%\",,\"" +
         list + "\"\n\n[Strings]\nCUR_DIR = \"Cursors\\Wine Pack\"\nSCHEME_NAME = \"Wine Pack\"\n" + strings;
}

}  // namespace

std::optional<fs::path> WineUser32(const fs::path& cache, std::string& why) {
  const fs::path dll = cache / "user32.dll";
  std::error_code ec;
  if (fs::is_regular_file(dll, ec)) return dll;
  fs::create_directories(cache, ec);
  const std::string get = "cd " + Quote(cache) + " && apt-get download libwine >/dev/null 2>&1 && " +
                          "dpkg-deb --fsys-tarfile libwine_*.deb | tar -xO " +
                          "./usr/lib/x86_64-linux-gnu/wine/x86_64-windows/user32.dll > user32.tmp && " +
                          "mv user32.tmp user32.dll; rm -f libwine_*.deb user32.tmp";
  if (std::system(get.c_str()) != 0 || !fs::is_regular_file(dll, ec)) {
    why = "apt-get download libwine did not give user32.dll";
    return std::nullopt;
  }
  return dll;
}

std::optional<std::vector<PackCursor>> WineCursors(const fs::path& user32, std::string& why) {
  auto bytes = document::ReadWholeFile(user32, formats::kMaxProgramBytes);
  if (!bytes) {
    why = "cannot read " + user32.string();
    return std::nullopt;
  }
  const auto program = formats::ProgramFile::Read(std::move(*bytes));
  if (!program) {
    why = texts::EnglishMessage(program.error());
    return std::nullopt;
  }
  std::vector<PackCursor> cursors;
  for (const auto& [id, role] : kWineGroups) {
    for (const formats::IconGroup& g : program->Groups()) {
      if (g.kind != formats::GroupKind::kCursor || g.name != formats::ResourceId::Number(id)) continue;
      const auto file = program->GroupFile(g);
      document::TKvIcon icon;
      std::unique_ptr<document::TKvIcon> one;
      if (file && icon.LoadFromMemory(*file, "user32")) one = Only32(icon);
      if (!one) {
        why = "user32 cursor " + std::to_string(id) + " has no 32 x 32 image";
        return std::nullopt;
      }
      cursors.push_back({formats::RoleByWindowsName(role), std::move(one)});
      break;
    }
  }
  if (cursors.size() != kWineGroups.size()) {
    why = "user32 lacks some cursors";
    return std::nullopt;
  }
  return cursors;
}

std::vector<PackCursor> DrawnCursors() {
  std::vector<PackCursor> cursors;
  int seed = 0;
  for (const auto& [id, role] : kWineGroups) {
    auto icon = std::make_unique<document::TKvIcon>();
    icon->SetIcon(false);
    if (!icon->AddImage(32, 32, 32)) return {};
    document::ImageSurface& s = *icon->XorBitmap(0);
    // An outlined wedge, different for each role, with a soft shadow.
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const int reach = (y * (8 + seed)) / 12;
        std::uint32_t argb = 0;
        if (x <= reach && y < 28) {
          argb = x == 0 || x == reach || y == 27 ? 0xFF000000u : 0xFF000000u | (0x101010u * (200 - seed * 5));
        } else if (x == reach + 1 && y < 29) {
          argb = 0x40000000u;
        }
        s.SetRaw(x, y, argb);
        icon->AndBitmap(0)->Set(x, y, argb == 0);
      }
    }
    icon->SetHotSpot(0, {seed % 5, (seed * 3) % 7});
    cursors.push_back({formats::RoleByWindowsName(role), std::move(icon)});
    ++seed;
  }
  return cursors;
}

formats::AnimatedCursor Animated(const document::TKvIcon& icon, int frames) {
  formats::AnimatedCursor cursor;
  for (int f = 0; f < frames; ++f) {
    auto frame = formats::CloneIcon(icon);
    document::ImageSurface& s = *frame->XorBitmap(0);
    for (int y = 0; y < s.Height(); ++y) {
      for (int x = 0; x < s.Width(); ++x) {
        const std::uint32_t raw = s.GetRaw(x, y);
        if ((raw >> 24) != 0) s.SetRaw(x, y, raw ^ (static_cast<std::uint32_t>(f * 12) << 16));
      }
    }
    cursor.frames.push_back(std::move(frame));
  }
  cursor.PlayFramesInOrder(4);
  return cursor;
}

bool WritePack(const std::vector<PackCursor>& cursors, const formats::AnimatedCursor* busy, const fs::path& folder,
               PackNaming naming, std::string& why) {
  std::error_code ec;
  const fs::path dir = naming == PackNaming::kInstallInf ? folder / "Cursors" : folder;
  fs::create_directories(dir, ec);
  std::vector<std::string> files;
  for (std::size_t k = 0; k < cursors.size(); ++k) {
    const formats::CursorRole& role = *cursors[k].role;
    const bool animated = busy != nullptr && role.windowsName == "Wait";
    std::string stem = naming == PackNaming::kCaptions ? std::string(role.caption)
                       : naming == PackNaming::kRegistryNames
                           ? std::string(role.windowsName)
                           : "c" + std::string(k < 9 ? "0" : "") + std::to_string(k + 1);
    const std::string file = stem + (animated ? ".ani" : ".cur");
    files.push_back(file);
    const bool saved = animated ? static_cast<bool>(formats::WriteAniFile(*busy, (dir / file).string()))
                                : static_cast<bool>(cursors[k].icon->SaveToFile((dir / file).string()));
    if (!saved) {
      why = "cannot write " + (dir / file).string();
      return false;
    }
  }
  if (naming != PackNaming::kInstallInf) return true;
  if (!document::WriteFileAtomically(folder / "install.inf", Utf16Crlf(InstallInf(files)))) {
    why = "cannot write the install.inf";
    return false;
  }
  return true;
}

}  // namespace pixmint::packs
