#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "doctor/findings.h"
#include "doctor/icon_checks.h"
#include "formats/file_kinds.h"

namespace pixmint::doctor {

// An icon or cursor directory inside the file that programs choose from:
// the file itself, an animated cursor's first frame, or a program's group.
struct Directory {
  std::string part;
  IconFileCheck check;
};

struct Examination {
  std::optional<formats::FileKind> kind;  // nothing when the file is none of them
  std::vector<Finding> findings;
  std::vector<Directory> directories;
};

// Everything the doctor finds in a file: an icon, a cursor, an animated
// cursor (every frame checked as a cursor, the first for sizes), an Xcursor
// file or a program's icon and cursor groups.
[[nodiscard]] Examination Examine(std::span<const std::uint8_t> bytes, const CheckOptions& options);

}  // namespace pixmint::doctor
