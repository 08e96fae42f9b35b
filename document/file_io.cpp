#include "document/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>

namespace pixmint::document {

namespace {

// Owns a POSIX file descriptor.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() { Close(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  [[nodiscard]] int Get() const { return fd_; }
  [[nodiscard]] bool Valid() const { return fd_ >= 0; }
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

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

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

std::string RandomSuffix() {
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  thread_local std::mt19937_64 engine{std::random_device{}()};
  std::string s;
  for (int i = 0; i < 12; ++i) s += kDigits[engine() % (sizeof(kDigits) - 1)];
  return s;
}

// Creates the temporary file beside target; on success path receives its name.
Fd CreateTemporary(const std::filesystem::path& target, std::filesystem::path& path) {
  for (int attempt = 0; attempt < 16; ++attempt) {
    path = target;
    // Appended piece by piece: "." + s + ".tmp" trips a false -Wrestrict in
    // GCC 12 at -O3.
    path += ".";
    path += RandomSuffix();
    path += ".tmp";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0 || errno != EEXIST) return Fd(fd);
  }
  return Fd(-1);
}

bool SyncFolder(const std::filesystem::path& folder) {
  Fd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return dir.Valid() && ::fsync(dir.Get()) == 0;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path, std::uint64_t maxBytes) {
  // O_NONBLOCK: opening a FIFO by mistake must not wait for a writer.
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!fd.Valid()) return std::nullopt;
  struct stat st {};
  if (::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0 ||
      static_cast<std::uint64_t>(st.st_size) > maxBytes) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(fd.Get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return std::nullopt;  // the file shrank or failed under us
    done += static_cast<std::size_t>(n);
  }
  return bytes;
}

bool WriteFileAtomically(const std::filesystem::path& requested, std::span<const std::uint8_t> bytes) {
  if (requested.empty()) return false;
  // Saving through a symbolic link replaces the file it points to, not the link.
  std::filesystem::path path = requested;
  std::error_code ec;
  if (std::filesystem::is_symlink(requested, ec)) {
    const auto resolved = std::filesystem::canonical(requested, ec);
    if (!ec) path = resolved;
  }
  struct stat old {};
  mode_t mode = DefaultMode();
  const bool replacing = ::stat(path.c_str(), &old) == 0;
  if (replacing) {
    if (!S_ISREG(old.st_mode)) return false;  // never replace a folder or a device
    mode = old.st_mode & 07777;
  }
  std::filesystem::path temporary;
  Fd fd = CreateTemporary(path, temporary);
  if (!fd.Valid()) return false;
  if (replacing && ::fchown(fd.Get(), old.st_uid, old.st_gid) != 0) {
    // Only root may give a file to its old owner; anyone else keeps the file
    // as their own, which is what they had before.
  }
  const bool written = ::fchmod(fd.Get(), mode) == 0 && WriteAll(fd.Get(), bytes) && ::fsync(fd.Get()) == 0;
  const bool closed = fd.Close();
  if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  // The data is in place once renamed; a folder that cannot be flushed does
  // not make the save a failure the user could act on.
  SyncFolder(path.parent_path());
  return true;
}

}  // namespace pixmint::document
