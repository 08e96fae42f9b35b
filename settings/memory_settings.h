#pragma once

#include <map>
#include <string>
#include <string_view>

#include "settings/settings.h"
#include "texts/numbers.h"

namespace pixmint {

// Settings kept in memory, each value as text the way the window's store
// keeps it: what the script driver and the tests use instead of the user's
// stored settings. An integer that is missing or not a number reads as 100.
class MemorySettings : public Settings {
 public:
  int RegReadInt(std::string_view name) override {
    const auto it = values.find(name);
    if (it == values.end()) return 100;
    return texts::ParseWhole<int>(it->second).value_or(100);
  }
  void RegWriteInt(std::string_view name, int value) override { values[std::string(name)] = std::to_string(value); }
  std::string ReadString(std::string_view name) override {
    const auto it = values.find(name);
    return it == values.end() ? std::string() : it->second;
  }
  void WriteString(std::string_view name, std::string_view value) override {
    values[std::string(name)] = std::string(value);
  }
  bool Exists(std::string_view name) override { return values.contains(name); }
  std::string ReadSubkeyString(std::string_view subkey, std::string_view name) override {
    return ReadString(Key(subkey, name));
  }
  void WriteSubkeyString(std::string_view subkey, std::string_view name, std::string_view value) override {
    WriteString(Key(subkey, name), value);
  }

  // Where a subkey's value is kept: "subkey\name".
  static std::string Key(std::string_view subkey, std::string_view name) {
    return std::string(subkey) + "\\" + std::string(name);
  }

  std::map<std::string, std::string, std::less<>> values;
};

}  // namespace pixmint
