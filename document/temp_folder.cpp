#include "document/temp_folder.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "texts/numbers.h"

namespace pixmint::document {
namespace {

constexpr std::string_view kPrefix = "pixmint-";

// An absolute folder without "." or ".." parts and without a trailing slash.
std::filesystem::path Normal(const char* candidate) {
  std::filesystem::path path = std::filesystem::path(candidate).lexically_normal();
  if (!path.has_filename() && path != path.root_path()) path = path.parent_path();
  return path;
}

bool UsableFolder(const char* candidate) {
  if (candidate == nullptr || candidate[0] != '/') return false;
  const std::filesystem::path path = Normal(candidate);
  if (path == path.root_path()) return false;
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && ::access(path.c_str(), W_OK | X_OK) == 0;
}

// The start time of a process in clock ticks after boot (field 22 of its
// /proc stat line); together with the id it names one process for good.
std::optional<std::uint64_t> StartTime(long pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(in, line)) return std::nullopt;
  // The command name in parentheses may hold blanks; fields follow the last ')'.
  const auto close = line.rfind(')');
  if (close == std::string::npos) return std::nullopt;
  std::string_view rest = std::string_view(line).substr(close + 1);
  for (int field = 3; field <= 22; ++field) {
    const auto start = rest.find_first_not_of(' ');
    if (start == std::string_view::npos) return std::nullopt;
    rest = rest.substr(start);
    const auto end = rest.find(' ');
    if (field == 22) {
      return texts::ParseWhole<std::uint64_t>(rest.substr(0, end));
    }
    if (end == std::string_view::npos) return std::nullopt;
    rest = rest.substr(end);
  }
  return std::nullopt;
}

// "pixmint-PID-START-" of a name MakePrivateFolder made, or nothing.
std::optional<std::pair<long, std::uint64_t>> OwnerOf(std::string_view name) {
  if (!name.starts_with(kPrefix)) return std::nullopt;
  name.remove_prefix(kPrefix.size());
  const auto dash = name.find('-');
  if (dash == std::string_view::npos) return std::nullopt;
  const std::string_view rest = name.substr(dash + 1);
  const auto pid = texts::ParseWhole<long>(name.substr(0, dash));
  const auto start = texts::ParseWhole<std::uint64_t>(rest.substr(0, rest.find('-')));
  if (!pid || *pid <= 0 || !start || rest.find('-') == std::string_view::npos) return std::nullopt;
  return std::pair{*pid, *start};
}

}  // namespace

bool IsPrivateFolder(const std::filesystem::path& folder) {
  if (!OwnerOf(folder.filename().string())) return false;
  struct stat info {};
  // A folder of this user that nobody else may enter, as MakePrivateFolder makes.
  return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
         (info.st_mode & 0077) == 0;
}

std::filesystem::path TemporaryRoot() {
  for (const char* candidate : {static_cast<const char*>(std::getenv("TMPDIR")), "/tmp", "/var/tmp"}) {
    if (UsableFolder(candidate)) return Normal(candidate);
  }
  // Nothing usable: /tmp still is the one sound place to try and fail in.
  return "/tmp";
}

std::filesystem::path MakePrivateFolder(const std::filesystem::path& parent) {
  const std::optional<std::uint64_t> start = StartTime(::getpid());
  std::string name = std::string(kPrefix) + std::to_string(::getpid()) + "-" + std::to_string(start.value_or(0));
  std::string pattern = ((parent.empty() ? TemporaryRoot() : parent) / (name + "-XXXXXX")).string();
  if (::mkdtemp(pattern.data()) == nullptr) return {};
  return pattern;
}

void RemoveDeadPrivateFolders(const std::filesystem::path& folder) {
  // Without /proc nobody can tell a dead owner from a live one.
  if (!StartTime(::getpid())) return;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder.empty() ? TemporaryRoot() : folder, ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    const auto owner = OwnerOf(it->path().filename().string());
    if (!owner) continue;
    struct stat st {};
    if (::lstat(it->path().c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) continue;
    if (StartTime(owner->first) == owner->second) continue;  // still running
    std::error_code ignored;
    std::filesystem::remove_all(it->path(), ignored);
  }
}

PrivateFolder::~PrivateFolder() {
  // Only a folder that is still ours: a vanished one's name may have been
  // taken by someone else since.
  if (path_.empty() || !IsPrivateFolder(path_)) return;
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

const std::filesystem::path& PrivateFolder::Renewed() {
  if (path_.empty() || !IsPrivateFolder(path_)) path_ = MakePrivateFolder();
  return path_;
}

}  // namespace pixmint::document
