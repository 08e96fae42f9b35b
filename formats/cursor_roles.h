#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pixmint::formats {

// A pointer role of the Windows mouse settings and the names it has in an
// Xcursor theme: the first is the cursor file, the others are links to it
// (freedesktop names, the X core font names and the hashed names some
// toolkits ask for).
struct CursorRole {
  std::string_view windowsName;                 // the settings' value name: "Arrow", "IBeam", ...
  std::span<const std::string_view> fileNames;  // how a source file may be named, in NormalisedName form
  std::span<const std::string_view> xNames;
};

// Every role, in the order of the Windows cursor scheme lists.
[[nodiscard]] std::span<const CursorRole> CursorRoles();

// The name lowered, without spaces, '_', '-' and '.': "Normal Select" and
// "normal_select" both become "normalselect".
[[nodiscard]] std::string NormalisedName(std::string_view name);

// The role a file stem or a settings value name stands for.
[[nodiscard]] const CursorRole* RoleByName(std::string_view name);

}  // namespace pixmint::formats
