#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "texts/failure.h"

namespace pixmint::document {

// Files larger than this are refused by ReadWholeFile's default: nothing this
// program reads (icons, cursors, snapshots, pictures) comes near it.
inline constexpr std::uint64_t kMaxReadBytes = 256ull * 1024 * 1024;

// Why the system refused, for an errno value: "permission denied", "no space
// left", "read-only file system", "name too long", ...
[[nodiscard]] texts::Failure SystemFailure(int error);

// The whole content of a regular file, or nothing when it cannot be opened,
// is not a regular file, is larger than maxBytes or cannot be read in full.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path,
                                                                     std::uint64_t maxBytes = kMaxReadBytes);

// The first maxBytes bytes of a regular file (all of a shorter one), or
// nothing when it cannot be opened or is no regular file. Never waits: a
// FIFO or a device named like a picture is refused, not read.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> ReadFileHead(const std::filesystem::path& path,
                                                                    std::size_t maxBytes);

struct WriteOptions {
  // Flush a replacing file before it is renamed into place and the folder
  // after, and remove what killed saves of the name left. A caller writing
  // many files into one folder may leave this off and call FinishFolder once
  // at the end: each replaced file still changes from the old content to the
  // whole new one, and the folder is searched once instead of once per file.
  // (A new file has no old content to protect: it is written where it goes,
  // unflushed, either way.)
  bool flush = true;
  // Replace the name itself: a symbolic link, a file with other names (hard
  // links) or another user's file at path gives way to a new file of ours
  // and is never written through. For files this program makes in a folder
  // it owns (a cursor theme), where a link there was planted, not chosen.
  bool replaceName = false;
};

// Replaces path with bytes the way a plain write would be allowed to, but so
// that a reader sees either the old file or the whole new one:
// - a file the user may not write (mode, read-only file system) is refused;
// - a symbolic link is followed (a dangling one gets its target created) and
//   stays, except a link that the kernel's link protection would refuse: one
//   in a sticky, world-writable folder owned by neither the user nor the
//   folder's owner;
// - a new file (no file of that name yet) is written in place with the
//   umask's default mode, unflushed, and removed again if the write fails:
//   there is no old content to protect;
// - normally a temporary file beside the target (mode 0600 while written,
//   then the old file's mode and owner) is written, flushed and renamed
//   over the target;
// - a file with more than one name (hard links) or whose owner or group the
//   new file could not keep is rewritten in place, with a copy of the old
//   content beside it until the new content is flushed, so the other names
//   and the owner stay;
// - so is a file the user may write in a folder they may not, with the
//   copy in the user's backup folder;
// - temporary files that earlier, killed saves left beside the target are
//   removed after a successful save, and so are their backups, which until
//   then may be the only good copy of the file.
// On failure the old file is untouched and the result gives the reason.
texts::Result<void> WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                                        WriteOptions options = {});

// What opening a file found of a save that was killed while it rewrote the
// file in place: nothing, the old content put back (restored), or a backup
// that could not be put back (keptIn, with the reason).
struct Recovery {
  bool restored = false;
  std::filesystem::path keptIn;
  texts::Failure reason{texts::Fail::kSystem};
};
// Puts back the old content of path when an in-place save of it was killed
// and left its backup; for an editor about to open path.
Recovery RecoverInterruptedSave(const std::filesystem::path& path);

// Flushes a folder's entries (file names created or renamed in it).
texts::Result<void> SyncFolder(const std::filesystem::path& folder);
// Flushes a folder written without flushing and removes the temporary files
// of ours in it that nobody holds: what killed saves left.
texts::Result<void> FinishFolder(const std::filesystem::path& folder);

}  // namespace pixmint::document
