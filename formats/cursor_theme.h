#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formats/cursor_roles.h"
#include "texts/failure.h"

namespace pixmint::formats {

struct RoleSource {
  const CursorRole* role = nullptr;
  std::filesystem::path file;
};

// The cursors of a folder of Windows cursors, one per role.
struct ThemeSources {
  std::string schemeName;  // from install.inf, empty without one
  std::vector<RoleSource> roles;
  std::vector<texts::Failure> notes;  // files left out and why
};

// Limits of the folder walk: a pack is a few dozen files in a folder or two.
inline constexpr int kMaxSourceDepth = 4;
inline constexpr std::size_t kMaxSourceEntries = 4096;

// The folder and its subfolders (links to folders not followed) are
// searched. With an install.inf (or a single .inf file; the one nearest the
// top wins) its scheme decides which file plays which role, a file named
// there found in any subfolder (the .inf's own folder first); otherwise
// every .cur and .ani file whose name is a role name (RoleByName) plays that
// role, the first by path where several do. File names match without
// regard to case. overrides (--map) replace or add roles after that; their
// files are taken relative to folder. A failure when the folder cannot be
// read, an override's file is missing, or no role is found.
[[nodiscard]] texts::Result<ThemeSources> FindThemeSources(const std::filesystem::path& folder,
                                                           std::span<const RoleSource> overrides = {});

// The sizes a theme offers unless told otherwise: what desktops ask for at
// 100 % to 300 % with the usual cursor sizes.
inline const std::vector<int> kDefaultThemeSizes = {24, 32, 48, 64, 96};

struct ThemeOptions {
  // Every cursor at exactly these sizes, made where the source lacks them;
  // empty: the sizes the sources have.
  std::vector<int> sizes = kDefaultThemeSizes;
};

// What became of one role.
struct RoleReport {
  const CursorRole* role = nullptr;
  std::filesystem::path source;            // empty when the set has no cursor for it
  std::string file;                        // the file under cursors/ its names lead to; empty when none
  const CursorRole* sharedWith = nullptr;  // the role whose file it uses (a fallback or the same cursor)
  std::vector<std::uint32_t> sizes;        // written
  std::vector<std::uint32_t> made;         // of those, made by scaling
  std::size_t frames = 0;
  std::size_t links = 0;
};

struct ThemeReport {
  std::vector<std::string> lines;     // one per role: those with a cursor, then those without, in role order
  std::vector<texts::Failure> notes;  // images left out, inverting pixels redrawn
  std::vector<RoleReport> roles;
  std::size_t files = 0;
  std::size_t links = 0;
};

// Writes an Xcursor theme into outDir: index.theme naming the theme, and in
// cursors/ one file per distinct cursor under its role's first X name, every
// other name of every role a relative symbolic link to it. A role the set
// lacks takes its fallback's cursor (following the fallbacks), or is left
// out. Every source is read and converted before anything is written, so a
// bad source leaves outDir as it was. Files and links of earlier builds are
// replaced, and names this build does not write are removed.
[[nodiscard]] texts::Result<void> BuildCursorTheme(const ThemeSources& sources, const std::filesystem::path& outDir,
                                                   const std::string& name, ThemeReport& report,
                                                   const ThemeOptions& options = {});

// The report as JSON: the theme's name and folder, the sizes, one object
// per role (role, caption, source, file, shared_with, sizes, made, frames,
// links, missing) and the notes, in English.
[[nodiscard]] std::string ThemeReportJson(const ThemeReport& report, const std::string& name,
                                          const std::filesystem::path& outDir);

}  // namespace pixmint::formats
