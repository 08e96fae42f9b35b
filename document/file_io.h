#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace pixmint::document {

// Files larger than this are refused by ReadWholeFile's default: nothing this
// program reads (icons, cursors, snapshots, pictures) comes near it.
inline constexpr std::uint64_t kMaxReadBytes = 256ull * 1024 * 1024;

// The whole content of a regular file, or nothing when it cannot be opened,
// is not a regular file, is larger than maxBytes or cannot be read in full.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path,
                                                                     std::uint64_t maxBytes = kMaxReadBytes);

// Replaces path with bytes so that a reader sees either the old file or the
// whole new one: a temporary file beside the target (created exclusively,
// mode 0600, then given the old file's mode, or the umask's default for a new
// file) is written, flushed to disk and renamed over the target, and the
// folder is flushed. A symbolic link is followed: the file it points to is
// replaced and the link stays. On any failure the temporary file is removed, the old
// file is untouched and the answer is false.
[[nodiscard]] bool WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace pixmint::document
