#include "app/dialogs/recent_files.h"

#include <algorithm>

#include "settings/settings.h"

namespace pixmint::app {

void KRecentFile::AddNew(std::string_view name) {
  // An empty name would look like a free slot and break the list's order.
  if (name.empty()) return;
  const auto used = names_.begin() + count_;
  if (std::find(names_.begin(), used, name) != used) return;
  if (count_ < kSlots) {
    names_[count_++] = std::string(name);
    return;
  }
  std::move(names_.begin() + 1, names_.end(), names_.begin());
  names_[kSlots - 1] = std::string(name);
}

std::string KRecentFile::FileName(int index) const {
  if (index < 0 || index >= kSlots) return {};
  return names_[index];
}

void LoadRecentFiles(KRecentFile& list, Settings& settings) {
  for (int i = 0; i < KRecentFile::kSlots; ++i) {
    list.AddNew(settings.ReadSubkeyString(kRecentFilesKey, std::to_string(i)));
  }
}

bool SaveRecentFiles(const KRecentFile& list, Settings& settings) {
  if (list.FileCount() == 0) return false;
  for (int i = 0; i < list.FileCount(); ++i) {
    settings.WriteSubkeyString(kRecentFilesKey, std::to_string(i), list.FileName(i));
  }
  return true;
}

std::string RecentCaption(std::string_view path) {
  const auto slash = path.find_last_of('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace pixmint::app
