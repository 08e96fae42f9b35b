// pixmint-cli xcursor-theme SRC_DIR (OUT_DIR | --install) [--name NAME]
//   [--sizes 24,32,...|source] [--map ROLE=FILE]... [--json]: a folder of
// Windows cursors as an installable Xcursor theme.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "cli/cli_command.h"
#include "cli/cli_support.h"
#include "formats/cursor_sizes.h"
#include "formats/cursor_theme.h"

namespace pixmint::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "usage: pixmint-cli xcursor-theme SRC_DIR (OUT_DIR | --install) [--name NAME] [--sizes 24,32,...|source] "
    "[--map ROLE=FILE]... [--json]";

struct Request {
  std::vector<std::string> dirs;
  std::optional<std::string> name;
  formats::ThemeOptions options;
  std::vector<formats::RoleSource> overrides;
  bool json = false;
  bool install = false;
};

std::optional<std::vector<int>> Sizes(const std::string& text) {
  if (text == "source") return std::vector<int>{};
  std::vector<int> sizes;
  std::size_t at = 0;
  while (at <= text.size()) {
    const std::size_t comma = std::min(text.find(',', at), text.size());
    const auto n = ParseNumber(std::string_view(text).substr(at, comma - at));
    if (!n || *n < 1 || *n > formats::kMaxThemeSide) return std::nullopt;
    if (std::find(sizes.begin(), sizes.end(), *n) == sizes.end()) sizes.push_back(*n);
    at = comma + 1;
  }
  return sizes;
}

// Answers what is wrong with the words, or an empty string.
std::string Parse(std::span<const std::string> args, Request& r) {
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    const bool takesValue = a == "--name" || a == "--sizes" || a == "--map";
    if (takesValue && (k + 1 >= args.size() || args[k + 1].empty())) return a + " needs a value";
    if (a == "--name") {
      if (r.name) return "--name is given twice";
      r.name = args[++k];
    } else if (a == "--sizes") {
      const auto sizes = Sizes(args[++k]);
      if (!sizes) return "bad sizes '" + args[k] + "' (1 to " + std::to_string(formats::kMaxThemeSide) + ", or source)";
      r.options.sizes = *sizes;
    } else if (a == "--map") {
      const std::string& m = args[++k];
      const auto eq = m.find('=');
      const formats::CursorRole* role = eq == std::string::npos ? nullptr : formats::RoleByName(m.substr(0, eq));
      if (role == nullptr || eq + 1 >= m.size()) return "bad --map '" + m + "' (ROLE=FILE, ROLE as Arrow or Busy)";
      r.overrides.push_back({role, m.substr(eq + 1)});
    } else if (a == "--json") {
      r.json = true;
    } else if (a == "--install") {
      r.install = true;
    } else if (a.size() > 1 && a[0] == '-') {
      return "unknown option " + a;
    } else {
      r.dirs.push_back(a);
    }
  }
  if (r.dirs.size() != (r.install ? 1u : 2u)) return "a source folder and an output folder (or --install) are needed";
  return {};
}

// $XDG_DATA_HOME/icons, or ~/.local/share/icons.
std::optional<fs::path> IconsFolder() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && data[0] == '/') {
    return fs::path(data) / "icons";
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
    return fs::path(home) / ".local" / "share" / "icons";
  }
  return std::nullopt;
}

// A theme name as a folder name: no separators, no leading dot.
std::string FolderName(std::string name) {
  for (char& c : name) {
    if (c == '/' || static_cast<unsigned char>(c) < 0x20) c = '_';
  }
  while (!name.empty() && name.front() == '.') name.erase(0, 1);
  return name.empty() ? "cursors" : name;
}

void PrintEnglishNotes(const std::vector<texts::Failure>& notes) {
  std::vector<std::string> lines;
  for (const texts::Failure& note : notes) lines.push_back(texts::EnglishMessage(note));
  PrintNotes(lines);
}

void PrintHowToChoose(const std::string& folder) {
  std::cout << "GNOME: gsettings set org.gnome.desktop.interface cursor-theme '" << folder
            << "' (or Tweaks, Appearance, Cursor)\n"
            << "KDE Plasma: plasma-apply-cursortheme '" << folder << "' (or System Settings, Appearance, Cursors)\n";
}

}  // namespace

int RunXcursorTheme(std::span<const std::string> args) {
  Request r;
  if (const std::string bad = Parse(args, r); !bad.empty()) return Fail(kExitUsage, bad + "; " + std::string(kUsage));
  const auto sources = formats::FindThemeSources(r.dirs[0], r.overrides);
  if (!sources) return Fail(kExitFailure, Escaped(texts::EnglishMessage(sources.error())));
  PrintEnglishNotes(sources->notes);
  std::string name = r.name.value_or(sources->schemeName);
  fs::path out;
  if (r.install) {
    if (name.empty()) name = fs::absolute(r.dirs[0]).lexically_normal().filename().string();
    if (name.empty()) name = fs::absolute(r.dirs[0]).lexically_normal().parent_path().filename().string();
    const auto icons = IconsFolder();
    if (!icons) return Fail(kExitFailure, "neither XDG_DATA_HOME nor HOME names a folder to install into");
    out = *icons / FolderName(name);
  } else {
    out = r.dirs[1];
    if (name.empty()) name = fs::absolute(out).lexically_normal().filename().string();
    if (name.empty()) name = fs::absolute(out).lexically_normal().parent_path().filename().string();
  }
  formats::ThemeReport report;
  const auto built = formats::BuildCursorTheme(*sources, out, name, report, r.options);
  PrintEnglishNotes(report.notes);
  if (!built) return Fail(kExitFailure, Escaped(texts::EnglishMessage(built.error())));
  if (r.json) {
    std::cout << formats::ThemeReportJson(report, name, out);  // JSON escapes its own strings
  } else {
    for (const std::string& line : report.lines) std::cout << Escaped(line) << '\n';
    std::cout << "theme \"" << Escaped(name) << "\" in " << Escaped(out.string()) << '\n';
    if (r.install) PrintHowToChoose(Escaped(out.filename().string()));
  }
  return std::cout.flush() ? kExitOk : Fail(kExitFailure, "cannot write the output");
}

}  // namespace pixmint::cli
