#include "document/save_target.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <random>
#include <string>

namespace pixmint::document::detail {
namespace {

constexpr std::string_view kMarker = ".pixmint-";
constexpr std::string_view kTemporaryEnd = ".tmp";
constexpr std::string_view kBackupEnd = ".bak";
constexpr std::size_t kRandomLength = 12;
constexpr std::size_t kHashLength = 16;
constexpr std::string_view kRandomDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
// As many as the kernel follows before it gives up with ELOOP.
constexpr int kMaxLinkHops = 40;

SaveFaultHook faultHook = nullptr;

std::filesystem::path FolderOf(const std::filesystem::path& path) {
  const std::filesystem::path folder = path.parent_path();
  return folder.empty() ? std::filesystem::path(".") : folder;
}

std::string RandomPart() {
  thread_local std::mt19937_64 engine{std::random_device{}()};
  std::string s;
  for (std::size_t i = 0; i < kRandomLength; ++i) s += kRandomDigits[engine() % kRandomDigits.size()];
  return s;
}

// 64-bit FNV-1a as hex digits.
std::string Hash(std::string_view text) {
  std::uint64_t h = 1469598103934665603ull;
  for (const char c : text) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out(kHashLength, '0');
  for (std::size_t k = 0; k < kHashLength; ++k) out[kHashLength - 1 - k] = kHex[(h >> (4 * k)) & 15];
  return out;
}

// "." + name + ".pixmint-": what every temporary name of this name starts
// with in folder, leaving room for extra more characters before the random
// part. A name too long for that is cut and followed by a hash of the whole
// name, so that two long names sharing their first bytes never take each
// other's files for their own.
std::string TemporaryPrefix(const std::filesystem::path& folder, const std::string& name, std::size_t extra = 0) {
  long nameMax = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  if (nameMax <= 0) nameMax = 255;
  const auto fixed = static_cast<long>(1 + kMarker.size() + extra + kRandomLength + kTemporaryEnd.size());
  if (static_cast<long>(name.size()) + fixed <= nameMax) return "." + name + std::string(kMarker);
  const auto room = static_cast<std::size_t>(std::max(0L, nameMax - fixed - static_cast<long>(kHashLength) - 1));
  std::size_t keep = std::min(room, name.size());
  // Never cut inside a UTF-8 sequence, so the name stays readable.
  while (keep > 0 && keep < name.size() && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
  return "." + name.substr(0, keep) + std::string(kMarker) + Hash(name) + "-";
}

std::string TemporaryPrefix(const std::filesystem::path& target) {
  return TemporaryPrefix(FolderOf(target), target.filename().string());
}

bool IsRandom(std::string_view part) {
  return std::all_of(part.begin(), part.end(), [](char c) { return kRandomDigits.find(c) != std::string_view::npos; });
}

bool IsLeftoverName(std::string_view name, std::string_view prefix, std::string_view end) {
  if (name.size() != prefix.size() + kRandomLength + end.size()) return false;
  if (!name.starts_with(prefix) || !name.ends_with(end)) return false;
  return IsRandom(name.substr(prefix.size(), kRandomLength));
}

// A backup is named prefix + the file's identity (a hash of its device and
// inode) + "-" + a random part + ".bak": it belongs to the file, whichever
// of its names a later save or open uses.
constexpr std::size_t kIdentityPart = kHashLength + 1;

std::string BackupPrefix(const std::filesystem::path& folder, const std::string& name) {
  return TemporaryPrefix(folder, name, kIdentityPart);
}

// Whether name is a backup of ours of the file with identity id, under any
// prefix (a whole name, or a cut one with its hash).
bool IsBackupOf(std::string_view name, std::string_view id) {
  const std::size_t tail = kIdentityPart + kRandomLength + kBackupEnd.size();
  if (name.size() < 1 + kMarker.size() + tail || name.front() != '.' || !name.ends_with(kBackupEnd)) return false;
  const std::string_view end = name.substr(name.size() - tail);
  if (end.substr(0, kHashLength) != id || end[kHashLength] != '-' ||
      !IsRandom(end.substr(kIdentityPart, kRandomLength))) {
    return false;
  }
  const std::string_view head = name.substr(0, name.size() - tail);
  if (head.ends_with(kMarker)) return true;
  return head.size() >= kMarker.size() + kIdentityPart && head.back() == '-' &&
         head.substr(head.size() - kIdentityPart - kMarker.size(), kMarker.size()) == kMarker;
}

// Whether name is a backup of ours under this prefix (any identity).
bool IsBackupNamed(std::string_view name, std::string_view prefix) {
  return name.size() == prefix.size() + kIdentityPart + kRandomLength + kBackupEnd.size() && name.starts_with(prefix) &&
         name.ends_with(kBackupEnd) && name[prefix.size() + kHashLength] == '-' &&
         IsRandom(name.substr(prefix.size() + kIdentityPart, kRandomLength));
}

// The user's own folder for backups of files in folders they may not
// write: made on demand (mode 0700), used only when it is a real folder of
// theirs. Empty when there is none.
std::filesystem::path UserBackupFolder(bool create) {
  std::filesystem::path base;
  if (const char* state = std::getenv("XDG_STATE_HOME"); state != nullptr && state[0] == '/') {
    base = state;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
    base = std::filesystem::path(home) / ".local" / "state";
  } else {
    return {};
  }
  const std::filesystem::path folder = base / "pixmint" / "backups";
  std::error_code ec;
  if (create && std::filesystem::create_directories(folder, ec)) ::chmod(folder.c_str(), 0700);
  struct stat st {};
  if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) return {};
  return folder;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The kernel refuses to follow a link in a sticky, world-writable folder
// unless the link belongs to the follower or to the folder's owner: another
// user could have planted it there to make us write where they cannot.
bool ProtectedLink(const struct stat& link, const struct stat& folder) {
  const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
  return shared && link.st_uid != ::geteuid() && link.st_uid != folder.st_uid;
}

}  // namespace

texts::Result<void> ResolveWriteTarget(const std::filesystem::path& requested, std::filesystem::path& resolved) {
  std::filesystem::path path = requested;
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0) {
      if (errno != ENOENT) return SystemFailure(errno);
      resolved = path;  // a new file (or one a dangling link names)
      return {};
    }
    if (!S_ISLNK(link.st_mode)) {
      resolved = path;
      return {};
    }
    const std::filesystem::path folder = FolderOf(path);
    struct stat folderStat {};
    if (::stat(folder.c_str(), &folderStat) != 0) return SystemFailure(errno);
    if (ProtectedLink(link, folderStat)) {
      return texts::Failure{texts::Fail::kSharedFolderLink};
    }
    std::error_code ec;
    const std::filesystem::path next = std::filesystem::read_symlink(path, ec);
    if (ec) return SystemFailure(ec.value());
    path = next.is_absolute() ? next : folder / next;
  }
  return SystemFailure(ELOOP);
}

std::filesystem::path TemporaryName(const std::filesystem::path& target, std::string_view random) {
  return target.parent_path() / (TemporaryPrefix(target) + std::string(random) + std::string(kTemporaryEnd));
}

namespace {

Fd CreateIn(const std::filesystem::path& folder, const std::string& prefix, std::filesystem::path& created,
            int& error) {
  error = EEXIST;
  for (int attempt = 0; attempt < 16; ++attempt) {
    created = folder / (prefix + RandomPart() + std::string(kTemporaryEnd));
    Fd fd(::open(created.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!fd.Valid()) {
      error = errno;
      if (error == EEXIST) continue;
      return Fd();
    }
    int locked = -1;
    do locked = ::flock(fd.Get(), LOCK_EX);
    while (locked != 0 && errno == EINTR);
    // Another save's clean-up may have taken the brand-new file for a
    // leftover between open and lock; then it is gone and a new name is tried.
    struct stat mine {
    }, named{};
    const bool ours = ::fstat(fd.Get(), &mine) == 0 && ::lstat(created.c_str(), &named) == 0 && SameFile(mine, named);
    if (locked == 0 && ours) return fd;
    if (ours) ::unlink(created.c_str());
    error = EEXIST;
  }
  return Fd();
}

// Calls found(folder, name, stat) for every file of ours in folder whose name
// matches, that is this user's and that nobody holds; the file is open and
// locked while found runs.
template <typename Matches, typename Found>
void ForEachLeftover(const std::filesystem::path& folderPath, Matches matches, Found found) {
  Fd folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder.Valid()) return;
  const int folderFd = ::dup(folder.Get());
  if (folderFd < 0) return;
  DIR* dir = ::fdopendir(folderFd);
  if (dir == nullptr) {
    ::close(folderFd);
    return;
  }
  while (const dirent* entry = ::readdir(dir)) {
    if (!matches(std::string_view(entry->d_name))) continue;
    Fd file(::openat(folder.Get(), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat held {
    }, named{};
    if (!file.Valid() || ::fstat(file.Get(), &held) != 0 || !S_ISREG(held.st_mode) || held.st_uid != ::geteuid()) {
      continue;
    }
    // A file a running save still writes is locked by it.
    if (::flock(file.Get(), LOCK_EX | LOCK_NB) != 0) continue;
    if (::fstatat(folder.Get(), entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(held, named)) {
      found(folder.Get(), entry->d_name, held);
    }
  }
  ::closedir(dir);
}

void Unlink(int folder, const char* name, const struct stat&) {
  ::unlinkat(folder, name, 0);
}

}  // namespace

Fd CreateTemporary(const std::filesystem::path& target, std::filesystem::path& created, int& error) {
  return CreateIn(FolderOf(target), TemporaryPrefix(target), created, error);
}

Fd CreateOutsideTemporary(const std::filesystem::path& target, std::filesystem::path& created, int& error) {
  const std::filesystem::path folder = UserBackupFolder(true);
  if (folder.empty()) {
    error = EACCES;
    return Fd();
  }
  return CreateIn(folder, TemporaryPrefix(folder, target.filename().string()), created, error);
}

std::string FileIdentity(const struct stat& file) {
  return Hash(std::to_string(file.st_dev) + ":" + std::to_string(file.st_ino));
}

std::filesystem::path KeepAsBackup(const std::filesystem::path& temporary, const std::filesystem::path& target,
                                   const struct stat& file, int& error) {
  const std::filesystem::path folder = FolderOf(temporary);
  const std::string prefix = BackupPrefix(folder, target.filename().string()) + FileIdentity(file) + "-";
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::filesystem::path backup = folder / (prefix + RandomPart() + std::string(kBackupEnd));
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, backup.c_str(), RENAME_NOREPLACE) == 0) return backup;
    error = errno;
    if (error != EEXIST) return {};
  }
  return {};
}

void RemoveLeftovers(const std::filesystem::path& target) {
  const std::string prefix = TemporaryPrefix(target);
  ForEachLeftover(
      FolderOf(target), [&](std::string_view name) { return IsLeftoverName(name, prefix, kTemporaryEnd); }, Unlink);
}

void RemoveLeftoversIn(const std::filesystem::path& folder) {
  // "." + a name + ".pixmint-" (+ a hash and "-" for a cut name) + random + ".tmp".
  ForEachLeftover(
      folder,
      [](std::string_view name) {
        const std::size_t tail = kRandomLength + kTemporaryEnd.size();
        if (name.size() < 1 + kMarker.size() + tail || name.front() != '.' || !name.ends_with(kTemporaryEnd)) {
          return false;
        }
        const std::string_view head = name.substr(0, name.size() - tail);
        const bool cut = head.size() >= kMarker.size() + kHashLength + 1 && head.back() == '-' &&
                         head.substr(head.size() - kHashLength - 1 - kMarker.size(), kMarker.size()) == kMarker;
        return (head.ends_with(kMarker) || cut) && IsRandom(name.substr(head.size(), kRandomLength));
      },
      Unlink);
}

std::vector<std::filesystem::path> FindBackups(const std::filesystem::path& target) {
  struct stat file {};
  if (::stat(target.c_str(), &file) != 0) return {};
  const std::string id = FileIdentity(file);
  std::vector<std::pair<timespec, std::filesystem::path>> found;
  std::vector<std::filesystem::path> folders = {FolderOf(target)};
  if (std::filesystem::path outside = UserBackupFolder(false); !outside.empty()) folders.push_back(outside);
  for (const std::filesystem::path& folder : folders) {
    ForEachLeftover(
        folder, [&](std::string_view name) { return IsBackupOf(name, id); },
        [&](int, const char* name, const struct stat& st) {
          found.push_back({st.st_mtim, folder / name});
        });
  }
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    return a.first.tv_sec != b.first.tv_sec ? a.first.tv_sec > b.first.tv_sec : a.first.tv_nsec > b.first.tv_nsec;
  });
  std::vector<std::filesystem::path> paths;
  for (auto& [when, path] : found) paths.push_back(std::move(path));
  return paths;
}

void RemoveBackups(const std::filesystem::path& target, const std::vector<std::string>& identities) {
  const std::string prefix = BackupPrefix(FolderOf(target), target.filename().string());
  auto matches = [&](std::string_view name) {
    return IsBackupNamed(name, prefix) || std::any_of(identities.begin(), identities.end(),
                                                      [&](const std::string& id) { return IsBackupOf(name, id); });
  };
  ForEachLeftover(FolderOf(target), matches, Unlink);
  if (const std::filesystem::path outside = UserBackupFolder(false); !outside.empty()) {
    ForEachLeftover(
        outside,
        [&](std::string_view name) {
          return std::any_of(identities.begin(), identities.end(),
                             [&](const std::string& id) { return IsBackupOf(name, id); });
        },
        Unlink);
  }
}

void SetSaveFaultHook(SaveFaultHook hook) {
  faultHook = hook;
}

void AtSaveStep(SaveStep step) {
  if (faultHook != nullptr) faultHook(step);
}

}  // namespace pixmint::document::detail
