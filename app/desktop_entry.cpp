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

bool WriteWhole(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
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

QByteArray WithDefaultApplication(const QByteArray& mimeAppsText, const QByteArray& key, const QByteArray& value) {
  // Lines with their own line ends, so every byte of the others stays.
  QList<QByteArray> lines;
  for (qsizetype at = 0; at < mimeAppsText.size();) {
    const qsizetype end = mimeAppsText.indexOf('\n', at);
    const qsizetype next = end < 0 ? mimeAppsText.size() : end + 1;
    lines.append(mimeAppsText.mid(at, next - at));
    at = next;
  }
  auto content = [](const QByteArray& line) { return line.trimmed(); };
  auto lineEnd = [](const QByteArray& line) { return line.endsWith("\r\n") ? QByteArray("\r\n") : QByteArray("\n"); };
  const QByteArray entry = key + '=' + value;
  qsizetype group = 0;
  while (group < lines.size() && content(lines.at(group)) != kDefaultGroup) ++group;
  if (group == lines.size()) {
    QByteArray text = mimeAppsText;
    if (!text.isEmpty() && !text.endsWith('\n')) text += '\n';
    if (!lines.isEmpty() && !content(lines.last()).isEmpty()) text += '\n';
    return text + kDefaultGroup + '\n' + entry + '\n';
  }
  for (qsizetype i = group + 1; i < lines.size() && !content(lines.at(i)).startsWith('['); ++i) {
    const QByteArray& line = lines.at(i);
    const qsizetype equals = line.indexOf('=');
    if ((equals < 0 ? line : line.left(equals)).trimmed() != key) continue;
    lines[i] = entry + (line.endsWith('\n') ? lineEnd(line) : QByteArray());
    return lines.join();
  }
  QByteArray& header = lines[group];
  const QByteArray end = lineEnd(header);
  if (!header.endsWith('\n')) header += end;
  lines.insert(group + 1, entry + end);
  return lines.join();
}

bool RegisterFileAssociation(const QString& programPath) {
  const QString applications = XdgFolder("XDG_DATA_HOME", ".local/share") + QStringLiteral("/applications");
  const QString config = XdgFolder("XDG_CONFIG_HOME", ".config");
  if (!QDir().mkpath(applications) || !QDir().mkpath(config)) return false;
  if (!WriteWhole(applications + QLatin1Char('/') + QLatin1String(kDesktopFileName),
                  DesktopEntryText(programPath).toUtf8())) {
    return false;
  }
  const QString listPath = config + QStringLiteral("/mimeapps.list");
  QByteArray text;
  QFile existing(listPath);
  if (existing.exists()) {
    if (!existing.open(QIODevice::ReadOnly)) return false;
    text = existing.readAll();
  }
  const QByteArray updated = WithDefaultApplication(text, kIconMime, kDesktopFileName);
  return updated == text || WriteWhole(listPath, updated);
}

}  // namespace pixmint::app
