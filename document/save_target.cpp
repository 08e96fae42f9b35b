#include "document/save_target.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <string>

namespace pixmint::document::detail {
namespace {

constexpr std::string_view kMarker = ".pixmint-";
constexpr std::string_view kTemporaryEnd = ".tmp";
constexpr std::size_t kRandomLength = 12;
constexpr std::string_view kRandomDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
// As many as the kernel follows before it gives up with ELOOP.
constexpr int kMaxLinkHops = 40;

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

// "." + the target's name, cut to fit, + ".pixmint-": what every temporary
// name of this target starts with.
std::string TemporaryPrefix(const std::filesystem::path& target) {
  const std::string name = target.filename().string();
  long nameMax = ::pathconf(FolderOf(target).c_str(), _PC_NAME_MAX);
  if (nameMax <= 0) nameMax = 255;
  const long fixed = static_cast<long>(1 + kMarker.size() + kRandomLength + kTemporaryEnd.size());
  const std::size_t room = static_cast<std::size_t>(std::max(0L, nameMax - fixed));
  std::size_t keep = std::min(room, name.size());
  // Never cut inside a UTF-8 sequence, so the name stays readable.
  while (keep > 0 && keep < name.size() && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
  return "." + name.substr(0, keep) + std::string(kMarker);
}

bool IsLeftoverName(std::string_view name, std::string_view prefix) {
  if (name.size() != prefix.size() + kRandomLength + kTemporaryEnd.size()) return false;
  if (!name.starts_with(prefix) || !name.ends_with(kTemporaryEnd)) return false;
  const std::string_view random = name.substr(prefix.size(), kRandomLength);
  return std::all_of(random.begin(), random.end(),
                     [](char c) { return kRandomDigits.find(c) != std::string_view::npos; });
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

FileResult ResolveWriteTarget(const std::filesystem::path& requested, std::filesystem::path& resolved) {
  std::filesystem::path path = requested;
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0) {
      if (errno != ENOENT) return FileResult::Failure(errno);
      resolved = path;  // a new file (or one a dangling link names)
      return {};
    }
    if (!S_ISLNK(link.st_mode)) {
      resolved = path;
      return {};
    }
    const std::filesystem::path folder = FolderOf(path);
    struct stat folderStat {};
    if (::stat(folder.c_str(), &folderStat) != 0) return FileResult::Failure(errno);
    if (ProtectedLink(link, folderStat)) {
      return FileResult::Failure(EACCES,
                                 "permission denied (a symbolic link in a shared folder that belongs to another user)");
    }
    std::error_code ec;
    const std::filesystem::path next = std::filesystem::read_symlink(path, ec);
    if (ec) return FileResult::Failure(ec.value());
    path = next.is_absolute() ? next : folder / next;
  }
  return FileResult::Failure(ELOOP);
}

std::filesystem::path TemporaryName(const std::filesystem::path& target, std::string_view random) {
  return target.parent_path() / (TemporaryPrefix(target) + std::string(random) + std::string(kTemporaryEnd));
}

Fd CreateTemporary(const std::filesystem::path& target, std::filesystem::path& created, int& error) {
  error = EEXIST;
  for (int attempt = 0; attempt < 16; ++attempt) {
    created = TemporaryName(target, RandomPart());
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

void RemoveLeftovers(const std::filesystem::path& target) {
  const std::string prefix = TemporaryPrefix(target);
  Fd folder(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder.Valid()) return;
  const int folderFd = ::dup(folder.Get());
  if (folderFd < 0) return;
  DIR* dir = ::fdopendir(folderFd);
  if (dir == nullptr) {
    ::close(folderFd);
    return;
  }
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (!IsLeftoverName(name, prefix)) continue;
    Fd file(::openat(folder.Get(), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat held {
    }, named{};
    if (!file.Valid() || ::fstat(file.Get(), &held) != 0 || !S_ISREG(held.st_mode) || held.st_uid != ::geteuid()) {
      continue;
    }
    // A file a running save still writes is locked by it.
    if (::flock(file.Get(), LOCK_EX | LOCK_NB) != 0) continue;
    if (::fstatat(folder.Get(), entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(held, named)) {
      ::unlinkat(folder.Get(), entry->d_name, 0);
    }
  }
  ::closedir(dir);
}

}  // namespace pixmint::document::detail
