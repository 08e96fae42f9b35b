#pragma once

#include <array>
#include <string>
#include <string_view>

namespace pixmint {
class Settings;
}

namespace pixmint::app {

// The five most recently opened or saved files, oldest first. A name that is
// already listed keeps its place; a sixth name pushes the oldest out.
class KRecentFile {
 public:
  static constexpr int kSlots = 5;

  void AddNew(std::string_view name);
  // Empty for an index outside 0 to 4 and for an empty slot.
  [[nodiscard]] std::string FileName(int index) const;
  [[nodiscard]] int FileCount() const { return count_; }

 private:
  std::array<std::string, kSlots> names_;
  int count_ = 0;
};

// The settings subkey and its value names "0" to "4".
inline constexpr std::string_view kRecentFilesKey = "RecentFiles";

// Reads the values "0" to "4" in order and adds each one that is present, so
// duplicates collapse to their first occurrence.
void LoadRecentFiles(KRecentFile& list, Settings& settings);
// Writes "0" to count - 1; an empty list writes nothing. Returns whether it wrote.
bool SaveRecentFiles(const KRecentFile& list, Settings& settings);

// The menu caption of a slot: the file name without its folder.
[[nodiscard]] std::string RecentCaption(std::string_view path);

}  // namespace pixmint::app
