#include "app/qt_settings.h"

#include <limits>

namespace pixmint::app {
namespace {

QString Key(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString SubKey(std::string_view subkey, std::string_view name) {
  return Key(subkey) + QLatin1Char('/') + Key(name);
}

std::string ToStdString(const QVariant& value) {
  // Lists and maps are not strings; a number is acceptable as its digits.
  if (!value.isValid() || value.typeId() == QMetaType::QStringList || value.typeId() == QMetaType::QVariantMap ||
      value.typeId() == QMetaType::QVariantList) {
    return {};
  }
  return value.toString().toStdString();
}

}  // namespace

QtSettings::QtSettings() : settings_(std::make_unique<QSettings>(QStringLiteral("Kavol"), QStringLiteral("Pixmint"))) {}

QtSettings::QtSettings(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

int QtSettings::RegReadInt(std::string_view name) {
  const QVariant value = settings_->value(Key(name));
  if (!value.isValid()) return kMissingInt;
  bool ok = false;
  const qlonglong number = value.toString().trimmed().toLongLong(&ok);
  if (!ok || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) return kMissingInt;
  return static_cast<int>(number);
}

void QtSettings::RegWriteInt(std::string_view name, int value) {
  settings_->setValue(Key(name), value);
}

std::string QtSettings::ReadString(std::string_view name) {
  return ToStdString(settings_->value(Key(name)));
}

void QtSettings::WriteString(std::string_view name, std::string_view value) {
  settings_->setValue(Key(name), Key(value));
}

bool QtSettings::Exists(std::string_view name) {
  return settings_->contains(Key(name));
}

std::string QtSettings::ReadSubkeyString(std::string_view subkey, std::string_view name) {
  return ToStdString(settings_->value(SubKey(subkey, name)));
}

void QtSettings::WriteSubkeyString(std::string_view subkey, std::string_view name, std::string_view value) {
  settings_->setValue(SubKey(subkey, name), Key(value));
}

}  // namespace pixmint::app
