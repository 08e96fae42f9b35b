#include "document/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <system_error>

#include "document/save_target.h"

namespace pixmint::document {

using detail::Fd;

namespace {

// Writes all of bytes at offset (or at the file position when offset is
// negative); answers 0 or the errno value.
int WriteAll(int fd, std::span<const std::uint8_t> bytes, off_t offset = -1) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t left = bytes.size() - done;
    const ssize_t n = offset < 0 ? ::write(fd, bytes.data() + done, left)
                                 : ::pwrite(fd, bytes.data() + done, left, offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

// Copies the whole content of from over the start of to and cuts to to the
// same length; answers 0 or the errno value.
int CopyContent(int from, int to) {
  std::vector<std::uint8_t> chunk(64 * 1024);
  off_t at = 0;
  for (;;) {
    const ssize_t n = ::pread(from, chunk.data(), chunk.size(), at);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) break;
    if (const int e = WriteAll(to, std::span(chunk).first(static_cast<std::size_t>(n)), at)) return e;
    at += n;
  }
  return ::ftruncate(to, at) == 0 ? 0 : errno;
}

// Removes a temporary file when the save that made it gives up.
class TemporaryGuard {
 public:
  explicit TemporaryGuard(std::filesystem::path path) : path_(std::move(path)) {}
  ~TemporaryGuard() {
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  TemporaryGuard(const TemporaryGuard&) = delete;
  TemporaryGuard& operator=(const TemporaryGuard&) = delete;
  void Keep() { path_.clear(); }
  void Moved(std::filesystem::path path) { path_ = std::move(path); }

 private:
  std::filesystem::path path_;
};

// The mode a newly created file gets from the process umask. Read from
// /proc rather than by setting the umask, which would race with other
// threads creating files.
mode_t DefaultMode() {
  mode_t mask = 022;
  if (std::FILE* f = std::fopen("/proc/self/status", "re")) {
    char line[256];
    while (std::fgets(line, sizeof line, f) != nullptr) {
      unsigned value = 0;
      if (std::sscanf(line, "Umask: %o", &value) == 1) {
        mask = static_cast<mode_t>(value);
        break;
      }
    }
    std::fclose(f);
  }
  return static_cast<mode_t>(0666 & ~mask);
}

// For a file with other names (hard links), an owner the new file could
// not have, or a folder the user may not write: the new content goes into
// the file itself, so that every name and the owner stay. A flushed copy of
// the old content waits as a backup (beside it, or in the user's backup
// folder when its own folder is closed to them) until the new content is
// flushed: after a crash the old content is there, a failed write puts it
// back, and the next save or open of the file finds it (RecoverInterruptedSave).
texts::Result<void> WriteInPlace(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                                 const struct stat& old, bool backupBeside) {
  Fd file(::open(target.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC));
  struct stat now {};
  if (!file.Valid() || ::fstat(file.Get(), &now) != 0) return SystemFailure(errno);
  if (now.st_dev != old.st_dev || now.st_ino != old.st_ino) {
    return texts::Failure{texts::Fail::kReplacedWhileSaved};
  }
  std::filesystem::path backupPath;
  int error = 0;
  Fd backup = backupBeside ? detail::CreateTemporary(target, backupPath, error)
                           : detail::CreateOutsideTemporary(target, backupPath, error);
  if (!backup.Valid()) {
    return backupBeside ? SystemFailure(error) : texts::Within(texts::Fail::kNoPlaceForCopy, {}, SystemFailure(error));
  }
  TemporaryGuard guard(backupPath);
  if (const int e = CopyContent(file.Get(), backup.Get())) return SystemFailure(e);
  if (::fsync(backup.Get()) != 0) return SystemFailure(errno);
  // Whole and flushed: from now on a backup, which only this save (once the
  // new content is flushed), a later whole save or a recovery removes.
  const std::filesystem::path kept = detail::KeepAsBackup(backupPath, target, now, error);
  if (kept.empty()) return SystemFailure(error);
  guard.Moved(kept);
  (void)SyncFolder(kept.parent_path());
  detail::AtSaveStep(detail::SaveStep::kBackupKept);

  const std::size_t half = bytes.size() / 2;
  error = WriteAll(file.Get(), bytes.first(half), 0);
  if (error == 0) {
    detail::AtSaveStep(detail::SaveStep::kTargetHalfWritten);
    error = WriteAll(file.Get(), bytes.subspan(half), static_cast<off_t>(half));
  }
  if (error == 0 && ::ftruncate(file.Get(), static_cast<off_t>(bytes.size())) != 0) error = errno;
  if (error == 0 && ::fsync(file.Get()) != 0) error = errno;
  if (error == 0) return {};
  if (CopyContent(backup.Get(), file.Get()) == 0 && ::fsync(file.Get()) == 0) return SystemFailure(error);
  guard.Keep();
  return texts::Within(texts::Fail::kOldContentKept, {kept.string()}, SystemFailure(error));
}

// A file that did not exist: there is nothing to protect, so it is written
// where it goes, as a plain write would, and removed again if the write
// fails. Unflushed, as a new file from cp or a compiler: the flush is what
// costs, and a crash can only lose this new file, never an older one.
// Sets taken, untouched, when the name was taken meanwhile.
texts::Result<void> CreateInPlace(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                                  bool& taken) {
  Fd fd(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
  taken = !fd.Valid() && errno == EEXIST;
  if (!fd.Valid()) return SystemFailure(errno);
  TemporaryGuard guard(target);
  if (const int e = WriteAll(fd.Get(), bytes)) return SystemFailure(e);
  if (!fd.Close()) return SystemFailure(errno);
  guard.Keep();
  return {};
}

// The usual way: a temporary file beside the target, renamed over it when
// complete. old is the file being replaced, or null for a new file.
texts::Result<void> ReplaceByRename(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                                    const struct stat* old, bool flush) {
  std::filesystem::path temporary;
  int error = 0;
  Fd fd = detail::CreateTemporary(target, temporary, error);
  if (!fd.Valid()) return SystemFailure(error);
  TemporaryGuard guard(temporary);
  if (old != nullptr && ::fchown(fd.Get(), old->st_uid, old->st_gid) != 0) {
    // Only root can give a file away: a file of another owner or group that
    // the user may write keeps them by being rewritten instead.
    fd.Close();
    ::unlink(temporary.c_str());
    guard.Keep();
    return WriteInPlace(target, bytes, *old, true);
  }
  const mode_t mode = old != nullptr ? (old->st_mode & 07777) : DefaultMode();
  if (::fchmod(fd.Get(), mode) != 0) return SystemFailure(errno);
  if (const int e = WriteAll(fd.Get(), bytes)) return SystemFailure(e);
  if (flush && ::fsync(fd.Get()) != 0) return SystemFailure(errno);
  // A second descriptor keeps the lock (against other saves' clean-up) until
  // the rename, while the first one is closed to catch late write errors.
  const Fd lock(::dup(fd.Get()));
  if (!fd.Close()) return SystemFailure(errno);
  if (::rename(temporary.c_str(), target.c_str()) != 0) return SystemFailure(errno);
  guard.Keep();
  // The data is in place once renamed; a folder that cannot be flushed does
  // not make the save a failure the user could act on.
  if (flush) (void)SyncFolder(target.parent_path());
  return {};
}

// After a whole save of target (which replaced the file old, if any): what
// earlier, killed saves left is removed. Their backups go only now, when
// target holds a whole file again: until then each may be its only good copy.
void Finished(const std::filesystem::path& target, const struct stat* old) {
  detail::RemoveLeftovers(target);
  std::vector<std::string> identities;
  struct stat now {};
  if (::stat(target.c_str(), &now) == 0) identities.push_back(detail::FileIdentity(now));
  if (old != nullptr) identities.push_back(detail::FileIdentity(*old));
  detail::RemoveBackups(target, identities);
}

}  // namespace

texts::Failure SystemFailure(int error) {
  using texts::Fail;
  switch (error != 0 ? error : EIO) {
    case EACCES:
    case EPERM:
      return {Fail::kPermissionDenied};
    case ENOSPC:
    case EDQUOT:
      return {Fail::kNoSpace};
    case EROFS:
      return {Fail::kReadOnlyFileSystem};
    case ENAMETOOLONG:
      return {Fail::kNameTooLong};
    case ENOENT:
      return {Fail::kNoSuchFile};
    case ENOTDIR:
      return {Fail::kNotAFolder};
    case EISDIR:
      return {Fail::kIsAFolder};
    case ELOOP:
      return {Fail::kLinkLoop};
    case EFBIG:
      return {Fail::kFileTooLarge};
    default: {
      std::string text = std::generic_category().message(error != 0 ? error : EIO);
      if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') text[0] = static_cast<char>(text[0] - 'A' + 'a');
      return {Fail::kSystem, {text}};
    }
  }
}

namespace {

// Reads up to maxBytes of a regular file; whole says a longer file is refused
// rather than cut.
std::optional<std::vector<std::uint8_t>> ReadRegularFile(const std::filesystem::path& path, std::uint64_t maxBytes,
                                                         bool whole) {
  // O_NONBLOCK: opening a FIFO by mistake must not wait for a writer.
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!fd.Valid()) return std::nullopt;
  struct stat st {};
  if (::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0 ||
      (whole && static_cast<std::uint64_t>(st.st_size) > maxBytes)) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::min<std::uint64_t>(st.st_size, maxBytes)));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(fd.Get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return std::nullopt;  // the file shrank or failed under us
    done += static_cast<std::size_t>(n);
  }
  return bytes;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path, std::uint64_t maxBytes) {
  return ReadRegularFile(path, maxBytes, true);
}

std::optional<std::vector<std::uint8_t>> ReadFileHead(const std::filesystem::path& path, std::size_t maxBytes) {
  return ReadRegularFile(path, maxBytes, false);
}

texts::Result<void> WriteFileAtomically(const std::filesystem::path& requested, std::span<const std::uint8_t> bytes,
                                        WriteOptions options) {
  if (requested.empty()) return SystemFailure(ENOENT);
  std::filesystem::path target;
  if (options.replaceName) {
    struct stat there {};
    if (::lstat(requested.c_str(), &there) == 0 && S_ISDIR(there.st_mode)) return SystemFailure(EISDIR);
    texts::Result<void> result = ReplaceByRename(requested, bytes, nullptr, options.flush);
    if (result) detail::RemoveLeftovers(requested);
    return result;
  }
  if (texts::Result<void> resolved = detail::ResolveWriteTarget(requested, target); !resolved) return resolved;
  struct stat old {};
  if (::lstat(target.c_str(), &old) != 0) {
    if (errno != ENOENT) return SystemFailure(errno);
    bool taken = false;
    texts::Result<void> result = CreateInPlace(target, bytes, taken);
    if (taken && ::lstat(target.c_str(), &old) == 0) {
      return WriteFileAtomically(requested, bytes, options);  // made by someone else meanwhile
    }
    if (result) Finished(target, nullptr);
    return result;
  }
  if (S_ISDIR(old.st_mode)) return SystemFailure(EISDIR);
  if (!S_ISREG(old.st_mode)) return texts::Failure{texts::Fail::kNotRegularFile};
  // What a plain write would be refused is refused here too: replacing the
  // file through its folder must not get round its own permissions.
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return SystemFailure(errno);
  // And what a plain write may do is done: a file the user may write in a
  // folder they may not is rewritten where it is.
  const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  const bool folderOpen = ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
  texts::Result<void> result = !folderOpen        ? WriteInPlace(target, bytes, old, false)
                               : old.st_nlink > 1 ? WriteInPlace(target, bytes, old, true)
                                                  : ReplaceByRename(target, bytes, &old, options.flush);
  if (result && options.flush) Finished(target, &old);
  return result;
}

Recovery RecoverInterruptedSave(const std::filesystem::path& path) {
  Recovery recovery;
  std::filesystem::path target;
  if (!detail::ResolveWriteTarget(path, target)) return recovery;
  const std::vector<std::filesystem::path> backups = detail::FindBackups(target);
  if (backups.empty()) return recovery;
  recovery.keptIn = backups.front();
  Fd from(::open(recovery.keptIn.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
  int error = 0;
  if (!from.Valid()) {
    error = errno;
  } else {
    Fd to(::open(target.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC));
    error = !to.Valid() ? errno : CopyContent(from.Get(), to.Get());
    if (error == 0 && ::fsync(to.Get()) != 0) error = errno;
  }
  if (error != 0) {
    recovery.reason = SystemFailure(error);
    return recovery;
  }
  // The newest backup is back in place; the older ones hold older content.
  for (const std::filesystem::path& backup : backups) ::unlink(backup.c_str());
  recovery.restored = true;
  recovery.keptIn.clear();
  return recovery;
}

texts::Result<void> FinishFolder(const std::filesystem::path& folder) {
  detail::RemoveLeftoversIn(folder);
  return SyncFolder(folder);
}

texts::Result<void> SyncFolder(const std::filesystem::path& folder) {
  Fd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!dir.Valid()) return SystemFailure(errno);
  if (::fsync(dir.Get()) != 0) return SystemFailure(errno);
  return {};
}

}  // namespace pixmint::document
