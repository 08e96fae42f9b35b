#pragma once

#include <charconv>
#include <map>
#include <string>
#include <string_view>

#include "tools/settings.h"

namespace pixmint::editor {

// Settings kept in memory: what the script driver and the tests use instead
// of the user's stored settings.
class MemorySettings : public Settings {
 public:
  int RegReadInt(std::string_view name) override {
    auto it = values_.find(std::string(name));
    if (it == values_.end()) return 100;
    int value = 0;
    const std::string& text = it->second;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() ? value : 100;
  }
  void RegWriteInt(std::string_view name, int value) override { values_[std::string(name)] = std::to_string(value); }
  std::string ReadString(std::string_view name) override {
    auto it = values_.find(std::string(name));
    return it == values_.end() ? std::string() : it->second;
  }
  void WriteString(std::string_view name, std::string_view value) override {
    values_[std::string(name)] = std::string(value);
  }
  bool Exists(std::string_view name) override { return values_.count(std::string(name)) > 0; }
  std::string ReadSubkeyString(std::string_view subkey, std::string_view name) override {
    return ReadString(std::string(subkey) + "\\" + std::string(name));
  }
  void WriteSubkeyString(std::string_view subkey, std::string_view name, std::string_view value) override {
    WriteString(std::string(subkey) + "\\" + std::string(name), value);
  }

 private:
  std::map<std::string, std::string> values_;
};

}  // namespace pixmint::editor
