#pragma once

#include <map>
#include <string>

#include "tools/settings.h"

namespace pixmint::test {

// Settings in a map; subkey values are stored as "subkey\name".
class FakeSettings : public Settings {
 public:
  int RegReadInt(std::string_view name) override {
    const auto it = ints.find(std::string(name));
    return it == ints.end() ? 100 : it->second;
  }
  void RegWriteInt(std::string_view name, int value) override { ints[std::string(name)] = value; }
  std::string ReadString(std::string_view name) override { return Find(std::string(name)); }
  void WriteString(std::string_view name, std::string_view value) override {
    strings[std::string(name)] = std::string(value);
  }
  bool Exists(std::string_view name) override {
    return ints.count(std::string(name)) > 0 || strings.count(std::string(name)) > 0;
  }
  std::string ReadSubkeyString(std::string_view subkey, std::string_view name) override {
    return Find(Key(subkey, name));
  }
  void WriteSubkeyString(std::string_view subkey, std::string_view name, std::string_view value) override {
    strings[Key(subkey, name)] = std::string(value);
  }

  static std::string Key(std::string_view subkey, std::string_view name) {
    return std::string(subkey) + "\\" + std::string(name);
  }

  std::map<std::string, int> ints;
  std::map<std::string, std::string> strings;

 private:
  std::string Find(const std::string& key) const {
    const auto it = strings.find(key);
    return it == strings.end() ? std::string() : it->second;
  }
};

}  // namespace pixmint::test
