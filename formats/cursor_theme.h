#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "formats/cursor_roles.h"

namespace pixmint::formats {

struct RoleSource {
  const CursorRole* role = nullptr;
  std::filesystem::path file;
};

// The cursors of a folder of Windows cursors, one per role.
struct ThemeSources {
  std::string schemeName;  // from install.inf, empty without one
  std::vector<RoleSource> roles;
  std::vector<std::string> notes;  // files left out and why
};

// With an install.inf (or a single .inf file) in folder, its scheme decides
// which file plays which role; otherwise every .cur and .ani file whose
// name is a role name (RoleByName) plays that role, the first by name where
// several do. File names match without regard to case. Nothing, with why
// set, when the folder cannot be read or no role is found.
[[nodiscard]] std::optional<ThemeSources> FindThemeSources(const std::filesystem::path& folder, std::string& why);

struct ThemeReport {
  std::vector<std::string> lines;  // one per cursor written
  std::vector<std::string> notes;  // images left out, inverting pixels redrawn
};

// Writes an Xcursor theme into outDir: index.theme naming the theme, and in
// cursors/ one file per role under its first X name (every size of the
// source as a nominal size, animations kept) with the role's other names as
// relative symbolic links to it. Every source is read and converted before
// anything is written, so a bad source leaves outDir as it was. Files and
// links of earlier builds are replaced.
[[nodiscard]] bool BuildCursorTheme(const ThemeSources& sources, const std::filesystem::path& outDir,
                                    const std::string& name, ThemeReport& report, std::string& why);

}  // namespace pixmint::formats
