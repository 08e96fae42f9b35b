#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/ico_reader.h"
#include "formats/ani_file.h"
#include "formats/animated_cursor.h"
#include "formats/pe_image.h"
#include "formats/xcursor.h"

namespace pixmint::formats {

// The kinds of file Pixmint opens, one row each in kFileFormats.
enum class FileKind { kIcon, kCursor, kAnimatedCursor, kXcursor, kProgram };

// What a file of a kind holds once read.
enum class Holds {
  kIcon,        // the images of one icon
  kCursor,      // the images of one cursor, each with its hot spot
  kAnimation,   // cursor frames shown in steps
  kIconGroups,  // a program's icon and cursor groups, one of which is chosen
};

// Reads a whole file of the kind; a static one becomes one frame and one
// step, name its file name. notes (may be null) receive what the import
// forgave or left out.
using FormatReader = texts::Result<AnimatedCursor> (*)(std::span<const std::uint8_t> bytes, const std::string& name,
                                                       std::vector<texts::Failure>* notes);

struct FileFormat {
  FileKind kind;
  // The word pixmint-cli check prints for it.
  std::string_view name;
  // The content test on the file's first kHeadBytes; null when only the
  // name tells (icon and cursor files share one header the reader checks).
  bool (*looksLike)(std::span<const std::uint8_t> head);
  // The extension (with its dot, lower case) that names the kind; empty
  // when the name says nothing (Xcursor files have none of their own; a
  // program is told by its content alone).
  std::string_view extension;
  Holds holds;
  // Save writes it back; otherwise what was read opens untitled.
  bool savedBack;
  // Null for programs: their groups are read one at a time.
  FormatReader read;
};

// Icons and cursors share the document's reader; the name decides only what
// a new save writes, the file's own header what it holds.
[[nodiscard]] texts::Result<AnimatedCursor> ReadIconOrCursorMemory(std::span<const std::uint8_t> bytes,
                                                                   const std::string& name,
                                                                   std::vector<texts::Failure>* notes);

// One row per kind, in the order content tests are tried (their signatures
// exclude each other). A new format needs its row here, and its reader.
inline constexpr FileFormat kFileFormats[] = {
    {.kind = FileKind::kIcon,
     .name = "icon",
     .looksLike = nullptr,
     .extension = ".ico",
     .holds = Holds::kIcon,
     .savedBack = true,
     .read = ReadIconOrCursorMemory},
    {.kind = FileKind::kCursor,
     .name = "cursor",
     .looksLike = nullptr,
     .extension = ".cur",
     .holds = Holds::kCursor,
     .savedBack = true,
     .read = ReadIconOrCursorMemory},
    {.kind = FileKind::kAnimatedCursor,
     .name = "animated cursor",
     .looksLike = LooksLikeAni,
     .extension = ".ani",
     .holds = Holds::kAnimation,
     .savedBack = true,
     .read = ReadAniMemory},
    {.kind = FileKind::kXcursor,
     .name = "Xcursor",
     .looksLike = LooksLikeXcursor,
     .extension = "",
     .holds = Holds::kAnimation,
     .savedBack = false,
     .read = ReadXcursorMemory},
    {.kind = FileKind::kProgram,
     .name = "program",
     .looksLike = LooksLikePe,
     .extension = "",
     .holds = Holds::kIconGroups,
     .savedBack = false,
     .read = nullptr},
};

// What the content tests need: a program's PE header sits near the start in
// every real program file.
inline constexpr std::size_t kHeadBytes = 64 * 1024;

[[nodiscard]] const FileFormat& Format(FileKind kind);

// The row whose content test the head passes; null when none does.
[[nodiscard]] const FileFormat* FormatByContent(std::span<const std::uint8_t> head);
// The row whose extension ends path, compared without case; null when none.
[[nodiscard]] const FileFormat* FormatByName(std::string_view path);

// The first kHeadBytes of a regular file; empty for anything else (a pipe
// or a device is never waited on).
[[nodiscard]] std::vector<std::uint8_t> ReadHead(const std::string& path);

// Reads path as format; without one (or without its reader) as
// ReadAnyCursorMemory does. A file that cannot be read fails with
// kCannotOpenFile.
[[nodiscard]] texts::Result<AnimatedCursor> ReadFileAs(const FileFormat* format, const std::string& path,
                                                       std::vector<texts::Failure>* notes = nullptr);

// Reads an icon, cursor, animated cursor or Xcursor file, told by its
// content; anything else goes to the icon reader, whose failure says why not.
[[nodiscard]] texts::Result<AnimatedCursor> ReadAnyCursorMemory(std::span<const std::uint8_t> bytes,
                                                                const std::string& name,
                                                                std::vector<texts::Failure>* notes = nullptr);
[[nodiscard]] texts::Result<AnimatedCursor> ReadAnyCursorFile(const std::string& fileName,
                                                              std::vector<texts::Failure>* notes = nullptr);

}  // namespace pixmint::formats
