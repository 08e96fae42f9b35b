#pragma once

#include <QSettings>
#include <memory>

#include "settings/settings.h"

namespace pixmint::app {

// The per-user settings on QSettings (organisation "Kavol", application
// "Pixmint"). A value of the wrong type reads as missing, so a damaged
// settings file never stops the program.
class QtSettings final : public Settings {
 public:
  QtSettings();
  // Tests and portable runs keep the settings in one INI file.
  explicit QtSettings(const QString& iniFile);

  [[nodiscard]] int RegReadInt(std::string_view name) override;
  void RegWriteInt(std::string_view name, int value) override;
  [[nodiscard]] std::string ReadString(std::string_view name) override;
  void WriteString(std::string_view name, std::string_view value) override;
  [[nodiscard]] bool Exists(std::string_view name) override;
  [[nodiscard]] std::string ReadSubkeyString(std::string_view subkey, std::string_view name) override;
  void WriteSubkeyString(std::string_view subkey, std::string_view name, std::string_view value) override;

  void Sync() { settings_->sync(); }

 private:
  std::unique_ptr<QSettings> settings_;
};

// What RegReadInt answers for a value that is missing or not an integer.
inline constexpr int kMissingInt = 100;

}  // namespace pixmint::app
