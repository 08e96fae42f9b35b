#pragma once

// Windows cursor packs for the theme benchmark and the theme tests: wine's
// own cursors (from the Debian package, read by our program-file reader)
// or drawn ones, written under the three namings packs use.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/kv_icon.h"
#include "formats/animated_cursor.h"
#include "formats/cursor_roles.h"

namespace pixmint::packs {

struct PackCursor {
  const formats::CursorRole* role = nullptr;
  std::unique_ptr<document::TKvIcon> icon;  // one 32 x 32 image
};

// wine's user32.dll: downloaded once with `apt-get download libwine` into
// cache and unpacked with dpkg-deb. Nothing, with why, when that cannot be
// done (no network, no apt).
[[nodiscard]] std::optional<std::filesystem::path> WineUser32(const std::filesystem::path& cache, std::string& why);

// The 15 pointer roles whose cursors user32 carries, each at 32 pixels (the
// deepest image of that size), in role order.
[[nodiscard]] std::optional<std::vector<PackCursor>> WineCursors(const std::filesystem::path& user32, std::string& why);

// 15 drawn 32-bit cursors for the same roles, each with its own hot spot.
[[nodiscard]] std::vector<PackCursor> DrawnCursors();

// frames frames of the cursor's picture, each tinted differently, 4
// sixtieths of a second each.
[[nodiscard]] formats::AnimatedCursor Animated(const document::TKvIcon& icon, int frames);

enum class PackNaming {
  kCaptions,       // "Normal Select.cur", "Busy.ani", ...
  kRegistryNames,  // "Arrow.cur", "Wait.ani", ...
  kInstallInf,     // c01.cur ... in Cursors/, an install.inf (UTF-16, CRLF) naming them
};

// Writes the pack into folder (created); the Wait role as busy when given.
[[nodiscard]] bool WritePack(const std::vector<PackCursor>& cursors, const formats::AnimatedCursor* busy,
                             const std::filesystem::path& folder, PackNaming naming, std::string& why);

}  // namespace pixmint::packs
