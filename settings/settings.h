#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pixmint {

// The per-user settings store under the program's key. The editor reads and
// writes its values through this; the window uses QSettings, tests an
// in-memory map.
class Settings {
 public:
  virtual ~Settings() = default;

  // 100 when the value is missing or not an integer.
  [[nodiscard]] virtual int RegReadInt(std::string_view name) = 0;
  virtual void RegWriteInt(std::string_view name, int value) = 0;
  // Empty when missing.
  [[nodiscard]] virtual std::string ReadString(std::string_view name) = 0;
  virtual void WriteString(std::string_view name, std::string_view value) = 0;
  [[nodiscard]] virtual bool Exists(std::string_view name) = 0;
  // Values of a subkey ("RecentFiles"); the names are the value names.
  [[nodiscard]] virtual std::string ReadSubkeyString(std::string_view subkey, std::string_view name) = 0;
  virtual void WriteSubkeyString(std::string_view subkey, std::string_view name, std::string_view value) = 0;
};

}  // namespace pixmint
