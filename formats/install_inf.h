#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formats/cursor_roles.h"
#include "texts/failure.h"

namespace pixmint::formats {

// What the install.inf of a Windows cursor set says: the scheme's name and
// which file plays which role (file names only; the folders of the Windows
// installation are dropped).
struct InfScheme {
  std::string name;
  std::vector<std::pair<const CursorRole*, std::string>> files;
};

// Reads the registry lines of the sections that AddReg names (and of
// [Scheme.Reg]) with %names% taken from [Strings]: a scheme value under
// "Control Panel\Cursors\Schemes" lists the files in the order of
// CursorRoles(); a value under "Control Panel\Cursors" named after a role
// gives that role's file. The first mention of a role counts. Text may be
// ANSI, UTF-8 or UTF-16 with a byte-order mark. A failure when no role is
// named.
[[nodiscard]] texts::Result<InfScheme> ParseInstallInf(std::span<const std::uint8_t> bytes);

}  // namespace pixmint::formats
