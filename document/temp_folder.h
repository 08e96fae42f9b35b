#pragma once

#include <filesystem>

namespace pixmint::document {

// A sound absolute folder for temporary files: $TMPDIR when it names an
// absolute, existing folder the user can write other than "/", else /tmp,
// else /var/tmp. Never relative, never the root, never throws.
[[nodiscard]] std::filesystem::path TemporaryRoot();

// Creates a folder only this user can enter (mode 0700, unpredictable name)
// in parent, or in TemporaryRoot() when parent is empty. Its name carries the
// process id and start time, so that RemoveDeadPrivateFolders can tell when
// the process that made it is gone. Empty when it cannot be made.
[[nodiscard]] std::filesystem::path MakePrivateFolder(const std::filesystem::path& parent = {});

// True for a folder MakePrivateFolder made (its name, this user's, mode 0700).
[[nodiscard]] bool IsPrivateFolder(const std::filesystem::path& folder);

// Removes the folders MakePrivateFolder made in folder (TemporaryRoot() when
// empty) for processes that have ended: what killed instances left behind.
// Only folders of this user are touched; never a link.
void RemoveDeadPrivateFolders(const std::filesystem::path& folder = {});

// A private folder that lives as long as this object.
class PrivateFolder {
 public:
  PrivateFolder() : path_(MakePrivateFolder()) {}
  ~PrivateFolder();
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;
  // Empty when the folder could not be made.
  [[nodiscard]] const std::filesystem::path& Path() const { return path_; }
  // Path, made anew (under a new name) when the folder has vanished, as a
  // cleaner of temporary files may make it do. Empty when it cannot be made.
  [[nodiscard]] const std::filesystem::path& Renewed();

 private:
  std::filesystem::path path_;
};

}  // namespace pixmint::document
