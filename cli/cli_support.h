#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/kv_icon.h"
#include "formats/animated_cursor.h"
#include "formats/file_kinds.h"
#include "texts/failure.h"

namespace pixmint::cli {

// Prints "pixmint-cli: text" as one line on stderr and answers code; a
// usage error (kExitUsage) ends with a hint where the help is.
int Fail(int code, std::string_view text);

// Names the command that runs, for the hint of its usage errors.
void SetUsageCommand(std::string_view command);
// "try 'pixmint-cli [COMMAND ]--help'".
[[nodiscard]] std::string UsageHint();

// Loads an icon or cursor file (icon or cursor by its extension, as the
// editor does); a format read as an icon or cursor but never written back
// (format, as InputFormat gives it) through its own reader. On failure error
// holds one line that includes the reader's own message when it gave one.
// fileBytes, when given, receives an icon or cursor file as read.
[[nodiscard]] bool LoadDocument(const std::string& path, const formats::FileFormat* format, document::TKvIcon& icon,
                                std::string& error, std::vector<std::uint8_t>* fileBytes = nullptr);

// True when path ends in ext, compared without case (ext includes the dot).
[[nodiscard]] bool HasExtension(std::string_view path, std::string_view ext);

// What a file given on the command line holds: a program by its content
// whatever its name; else the kind its name says (.ico, .cur, .ani), as the
// commands have always taken them; else what its content says. Null when
// nothing tells: the icon reader decides.
[[nodiscard]] const formats::FileFormat* InputFormat(const std::string& path);

// Loads an animated cursor; on failure error holds one line as LoadDocument's.
[[nodiscard]] std::optional<formats::AnimatedCursor> LoadAnimated(const std::string& path, std::string& error);

// Loads any cursor file (icon, cursor, animated cursor, Xcursor) as an
// animation; notes receives what the Xcursor import left out.
[[nodiscard]] std::optional<formats::AnimatedCursor> LoadAnyCursor(const std::string& path,
                                                                   std::vector<std::string>& notes, std::string& error);

// Prints "pixmint-cli: note: text" on stderr for each note, escaped.
void PrintNotes(const std::vector<std::string>& notes);

// text with its control characters (C0, DEL and the C1 range of UTF-8) as
// \xNN: names read from files and folders must not drive the terminal or
// break a line apart.
[[nodiscard]] std::string Escaped(std::string_view text);

// Ends the process with "pixmint-cli: WHAT took longer than N s (the limit)"
// and the failure code when it is still running seconds from now: for work
// no byte budget bounds in time (a drawing whose elements repeat each other).
void LimitTime(int seconds, const std::string& what);

// Parses a whole decimal number of 0 or more; nothing for anything else.
[[nodiscard]] std::optional<int> ParseNumber(std::string_view s);

}  // namespace pixmint::cli
