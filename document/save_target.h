#pragma once

// Helpers of WriteFileAtomically: where a save really writes, the names of
// its temporary files, and the removal of those that killed saves left.

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "document/file_io.h"

namespace pixmint::document::detail {

// Owns a POSIX file descriptor.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() { Close(); }
  Fd(Fd&& other) noexcept : fd_(other.Release()) {}
  Fd& operator=(Fd&& other) noexcept {
    if (this != &other) {
      Close();
      fd_ = other.Release();
    }
    return *this;
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  [[nodiscard]] int Get() const { return fd_; }
  [[nodiscard]] bool Valid() const { return fd_ >= 0; }
  int Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }
  // Reports whether close succeeded: on some file systems a late write error
  // shows up only here.
  bool Close() {
    if (fd_ < 0) return true;
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc == 0;
  }

 private:
  int fd_;
};

// The file a save of requested writes: symbolic links at the end of the path
// are followed the way open() follows them (a dangling link names the file to
// create), and a link that the kernel's protection of sticky, world-writable
// folders would refuse to follow is refused with "permission denied".
texts::Result<void> ResolveWriteTarget(const std::filesystem::path& requested, std::filesystem::path& resolved);

// The temporary name beside target for the given random part: hidden, marked
// as ours, and cut from the target's name so that it fits the folder's name
// limit whatever the target's length (a cut name carries a hash of the
// whole name, so that leftovers match their own target exactly).
[[nodiscard]] std::filesystem::path TemporaryName(const std::filesystem::path& target, std::string_view random);

// Creates a new temporary file beside target (exclusively, mode 0600) and
// locks it, so that RemoveLeftovers of another process leaves it alone while
// it is written. error receives errno on failure.
Fd CreateTemporary(const std::filesystem::path& target, std::filesystem::path& created, int& error);

// The same for the copy of a target whose folder the user may not write:
// in the user's own backup folder ($XDG_STATE_HOME/pixmint/backups, else
// ~/.local/state/pixmint/backups).
Fd CreateOutsideTemporary(const std::filesystem::path& target, std::filesystem::path& created, int& error);

// Removes temporary files of ours beside target that nobody holds any more:
// what a killed save of target left behind. Backups are never removed here.
void RemoveLeftovers(const std::filesystem::path& target);

// Removes every temporary file of ours in folder that nobody holds (never a
// backup): for a folder many files were written into without flushing.
void RemoveLeftoversIn(const std::filesystem::path& folder);

// A file's identity in its backups' names: a hash of its device and inode,
// so that a backup belongs to the file whichever of its names is used.
[[nodiscard]] std::string FileIdentity(const struct stat& file);

// Gives a finished copy of the old content of target (the file file) its
// backup name, in the copy's folder: "." + target's name + ".pixmint-" +
// identity + "-" + random + ".bak". Answers that name, or empty with error.
[[nodiscard]] std::filesystem::path KeepAsBackup(const std::filesystem::path& temporary,
                                                 const std::filesystem::path& target, const struct stat& file,
                                                 int& error);

// The backups of the file at target that killed in-place saves left (beside
// it and in the user's backup folder) and nobody holds, newest first.
[[nodiscard]] std::vector<std::filesystem::path> FindBackups(const std::filesystem::path& target);

// Removes the backups that nobody holds of the files with these identities,
// and those named after target: once target is a whole file again.
void RemoveBackups(const std::filesystem::path& target, const std::vector<std::string>& identities);

// Points in an in-place save where a test may stop the process, as a kill
// would: the old content is kept as a backup, and the new content is half
// written over the target.
enum class SaveStep { kBackupKept, kTargetHalfWritten };
using SaveFaultHook = void (*)(SaveStep);
// Called at each step when set; for tests only.
void SetSaveFaultHook(SaveFaultHook hook);
void AtSaveStep(SaveStep step);

}  // namespace pixmint::document::detail
