#include "app/desktop_entry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include "app/mime_types.h"

namespace pixmint::app {
namespace {

constexpr const char* kIconMime = "image/vnd.microsoft.icon";
// The build's list (PIXMINT_MIME_TYPES); its first is the icon's own.
constexpr const char* kMimeTypes = PIXMINT_MIME_LIST;
constexpr const char* kDefaultGroup = "[Default Applications]";
// Set in the entries the program writes itself, never in the installed one.
constexpr const char* kWrittenMark = "X-Pixmint-Written=true";

#ifndef PIXMINT_BIN_TO_DATA
#define PIXMINT_BIN_TO_DATA "../share"
#endif

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

QString EntryIn(const QString& dataFolder) {
  return dataFolder + QStringLiteral("/applications/") + QLatin1String(kDesktopFileName);
}

bool WrittenByUs(const QString& entryPath) {
  QFile file(entryPath);
  if (!file.open(QIODevice::ReadOnly)) return false;
  return file.readAll().contains(kWrittenMark);
}

bool SameFolder(const QString& a, const QString& b) {
  const QString left = QFileInfo(a).canonicalFilePath();
  return !left.isEmpty() && left == QFileInfo(b).canonicalFilePath();
}

// An installed entry (not one we wrote) in a folder the desktop reads.
bool DesktopFindsInstalledEntry(const DesktopFolders& folders) {
  QStringList searched = folders.dataDirs;
  searched.prepend(folders.dataHome);
  for (const QString& folder : searched) {
    const QString entry = EntryIn(folder);
    if (QFileInfo(entry).isFile() && !WrittenByUs(entry)) return true;
  }
  return false;
}

bool Searched(const QString& dataFolder, const DesktopFolders& folders) {
  if (SameFolder(dataFolder, folders.dataHome)) return true;
  for (const QString& folder : folders.dataDirs) {
    if (SameFolder(dataFolder, folder)) return true;
  }
  return false;
}

// The picture the entry of a program the desktop does not know shows: the
// installed icon, else the picture in the source tree it was built from.
QString IconForOwnEntry(const QString& installedData) {
  if (!installedData.isEmpty()) {
    const QString installed = installedData + QStringLiteral("/icons/hicolor/256x256/apps/") +
                              QLatin1String(kIconName) + QStringLiteral(".png");
    if (QFileInfo(installed).isFile()) return installed;
  }
#ifdef PIXMINT_SOURCE_ICON
  if (QFileInfo(QStringLiteral(PIXMINT_SOURCE_ICON)).isFile()) return QStringLiteral(PIXMINT_SOURCE_ICON);
#endif
  return QLatin1String(kIconName);
}

bool SetDefaultApplication(const QString& configHome) {
  if (!QDir().mkpath(configHome)) return false;
  const QString listPath = configHome + QStringLiteral("/mimeapps.list");
  QByteArray text;
  QFile existing(listPath);
  if (existing.exists()) {
    if (!existing.open(QIODevice::ReadOnly)) return false;
    text = existing.readAll();
  }
  const QByteArray updated = WithDefaultApplication(text, kIconMime, kDesktopFileName);
  return updated == text || WriteWhole(listPath, updated);
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

QString DesktopEntryText(const QString& programPath, const QString& icon) {
  QStringList lines{QStringLiteral("[Desktop Entry]"), QStringLiteral("Type=Application"),
                    QStringLiteral("Name=Kavoltrix Pixmint"), QStringLiteral("Comment=Icon and cursor editor"),
                    QStringLiteral("Exec=") + DesktopExecLine(programPath), QStringLiteral("Icon=") + icon,
                    QStringLiteral("Terminal=false"), QStringLiteral("Categories=Graphics;2DGraphics;RasterGraphics;"),
                    QStringLiteral("MimeType=") + QLatin1String(kMimeTypes),
                    // The window's class: task bars match it to this entry.
                    QStringLiteral("StartupWMClass=pixmint"), QLatin1String(kWrittenMark)};
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

DesktopFolders UserDesktopFolders() {
  DesktopFolders folders;
  folders.dataHome = XdgFolder("XDG_DATA_HOME", ".local/share");
  folders.configHome = XdgFolder("XDG_CONFIG_HOME", ".config");
  for (const QString& dir : qEnvironmentVariable("XDG_DATA_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
    if (QDir::isAbsolutePath(dir)) folders.dataDirs << dir;
  }
  if (folders.dataDirs.isEmpty()) folders.dataDirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
  return folders;
}

QString InstalledDataFolder(const QString& programPath) {
  const QString data = QDir::cleanPath(QFileInfo(programPath).absolutePath() + QStringLiteral("/" PIXMINT_BIN_TO_DATA));
  return QFileInfo(EntryIn(data)).isFile() ? data : QString();
}

bool RegisterFileAssociation(const QString& programPath, const DesktopFolders& folders) {
  const QString ownEntry = EntryIn(folders.dataHome);
  const QString installedData = InstalledDataFolder(programPath);
  // The installed entry, which the desktop finds, points at the installed
  // program: this one, or the one installed beside the build we run from.
  const bool useInstalled =
      installedData.isEmpty() ? DesktopFindsInstalledEntry(folders) : Searched(installedData, folders);
  if (useInstalled) {
    if (WrittenByUs(ownEntry) && !QFile::remove(ownEntry)) return false;
  } else {
    if (!QDir().mkpath(folders.dataHome + QStringLiteral("/applications"))) return false;
    const QString text = DesktopEntryText(programPath, IconForOwnEntry(installedData));
    if (!WriteWhole(ownEntry, text.toUtf8())) return false;
  }
  return SetDefaultApplication(folders.configHome);
}

bool RegisterFileAssociation(const QString& programPath) {
  return RegisterFileAssociation(programPath, UserDesktopFolders());
}

}  // namespace pixmint::app
