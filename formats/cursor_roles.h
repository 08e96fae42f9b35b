#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pixmint::formats {

// A pointer role of the Windows mouse settings and the names it has in an
// Xcursor theme: the first is the cursor file, the others are links to it.
// Together the roles carry every name the desktop's toolkits and the usual
// Linux themes look up (freedesktop and CSS names, the X core font names,
// the hashed names of Qt and the browsers).
struct CursorRole {
  std::string_view windowsName;                 // the settings' value name: "Arrow", "IBeam", ...
  std::string_view caption;                     // what the mouse settings call it: "Normal Select", ...
  std::span<const std::string_view> fileNames;  // how a source file may be named, in NormalisedName form
  std::span<const std::string_view> xNames;
  // The role whose cursor stands in when a set has none for this one
  // (empty: none is close enough, the desktop's own cursor shows).
  std::string_view fallback;
};

// Every role, in the order of the Windows cursor scheme lists.
[[nodiscard]] std::span<const CursorRole> CursorRoles();

// The name lowered, without spaces, '_', '-' and '.': "Normal Select" and
// "normal_select" both become "normalselect". Bytes above ASCII (UTF-8
// names) are kept as they are.
[[nodiscard]] std::string NormalisedName(std::string_view name);

// The role a file stem or a settings value name stands for: a settings
// value name, the English or Chinese caption, or a short name packs use,
// without regard to case, blanks, '_', '-' and a number before or after
// ("01 Normal Select", "busy_2"; a number that belongs to the name, as in
// "Diagonal Resize 1" and "dgn2", counts).
[[nodiscard]] const CursorRole* RoleByName(std::string_view name);

// The role by its settings value name only (case ignored).
[[nodiscard]] const CursorRole* RoleByWindowsName(std::string_view name);

}  // namespace pixmint::formats
