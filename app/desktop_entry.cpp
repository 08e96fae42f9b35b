#include "app/desktop_entry.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace pixmint::app {
namespace {

constexpr const char* kIconMime = "image/vnd.microsoft.icon";
constexpr const char* kMimeTypes = "image/vnd.microsoft.icon;image/x-icon;image/x-win-bitmap;";
constexpr const char* kDefaultGroup = "[Default Applications]";

QString XdgFolder(const char* variable, const char* fallbackUnderHome) {
  const QString value = qEnvironmentVariable(variable);
  // Relative values are invalid by the base-directory rules and are ignored.
  if (!value.isEmpty() && QDir::isAbsolutePath(value)) return value;
  return QDir::homePath() + QLatin1Char('/') + QLatin1String(fallbackUnderHome);
}

bool WriteWhole(const QString& path, const QString& text) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = text.toUtf8();
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace

QString DesktopExecLine(const QString& programPath) {
  QString quoted;
  for (const QChar c : programPath) {
    // Inside double quotes these four need a backslash.
    if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\')) {
      quoted += QLatin1Char('\\');
    }
    if (c == QLatin1Char('%')) quoted += QLatin1Char('%');
    quoted += c;
  }
  // The string-value escape doubles every backslash once more.
  quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  quoted.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
  return QLatin1Char('"') + quoted + QStringLiteral("\" %f");
}

QString DesktopEntryText(const QString& programPath) {
  QStringList lines{QStringLiteral("[Desktop Entry]"),
                    QStringLiteral("Type=Application"),
                    QStringLiteral("Name=Kavoltrix Pixmint"),
                    QStringLiteral("Comment=Icon and cursor editor"),
                    QStringLiteral("Exec=") + DesktopExecLine(programPath),
                    QStringLiteral("Icon=image-x-generic"),
                    QStringLiteral("Terminal=false"),
                    QStringLiteral("Categories=Graphics;2DGraphics;RasterGraphics;"),
                    QStringLiteral("MimeType=") + QLatin1String(kMimeTypes)};
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString WithDefaultApplication(const QString& mimeAppsText, const QString& key, const QString& value) {
  QStringList lines = mimeAppsText.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  const QString entry = key + QLatin1Char('=') + value;
  qsizetype group = lines.indexOf(QLatin1String(kDefaultGroup));
  if (group < 0) {
    if (!lines.isEmpty() && !lines.last().trimmed().isEmpty()) lines.append(QString());
    lines.append(QLatin1String(kDefaultGroup));
    lines.append(entry);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
  }
  qsizetype end = group + 1;
  while (end < lines.size() && !lines.at(end).startsWith(QLatin1Char('['))) ++end;
  for (qsizetype i = group + 1; i < end; ++i) {
    if (lines.at(i).section(QLatin1Char('='), 0, 0).trimmed() == key) {
      lines[i] = entry;
      return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
  }
  lines.insert(group + 1, entry);
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool RegisterFileAssociation(const QString& programPath) {
  const QString applications = XdgFolder("XDG_DATA_HOME", ".local/share") + QStringLiteral("/applications");
  const QString config = XdgFolder("XDG_CONFIG_HOME", ".config");
  if (!QDir().mkpath(applications) || !QDir().mkpath(config)) return false;
  if (!WriteWhole(applications + QLatin1Char('/') + QLatin1String(kDesktopFileName), DesktopEntryText(programPath))) {
    return false;
  }
  const QString listPath = config + QStringLiteral("/mimeapps.list");
  QString text;
  QFile existing(listPath);
  if (existing.exists()) {
    if (!existing.open(QIODevice::ReadOnly)) return false;
    text = QString::fromUtf8(existing.readAll());
  }
  const QString updated = WithDefaultApplication(text, QLatin1String(kIconMime), QLatin1String(kDesktopFileName));
  return updated == text || WriteWhole(listPath, updated);
}

}  // namespace pixmint::app
