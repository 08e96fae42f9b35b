#include "app/dialogs/external_commands.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#ifndef PIXMINT_BIN_TO_DOC
#define PIXMINT_BIN_TO_DOC "../share/doc/pixmint"
#endif

namespace pixmint::app {

DesktopServices SystemDesktop() {
  return {DetachedStarter(), [](const QUrl& url) { return QDesktopServices::openUrl(url); }};
}

QString ProgramFolder() {
  return QCoreApplication::applicationDirPath();
}

ExternalCommands::ExternalCommands(QString programFolder, DesktopServices desktop)
    : folder_(std::move(programFolder)), desktop_(std::move(desktop)) {}

QString ExternalCommands::SiblingPath(const QString& name) const {
  const QDir dir(folder_);
  QString bare = name;
  bare.chop(name.endsWith(QLatin1String(".exe")) ? 4 : 0);
  for (const QString& candidate : {name, bare}) {
    const QFileInfo info(dir.filePath(candidate));
    if (info.isFile() && info.isExecutable()) return info.absoluteFilePath();
  }
  return {};
}

bool ExternalCommands::StartSibling(const char* name) const {
  const QString path = SiblingPath(QString::fromUtf8(name));
  if (path.isEmpty() || !desktop_.startProgram) return false;
  return desktop_.startProgram(path, {});
}

QString InstalledManualFolder(const QString& programFolder) {
  return QDir::cleanPath(programFolder + QStringLiteral("/" PIXMINT_BIN_TO_DOC));
}

bool InBuildFolder(const QString& programFolder) {
#ifdef PIXMINT_BUILD_DIR
  const QString build = QFileInfo(QStringLiteral(PIXMINT_BUILD_DIR)).canonicalFilePath();
  const QString folder = QFileInfo(programFolder).canonicalFilePath();
  return !build.isEmpty() && !folder.isEmpty() && (folder == build || folder.startsWith(build + QLatin1Char('/')));
#else
  (void)programFolder;
  return false;
#endif
}

QString ExternalCommands::ManualPath() const {
  const QDir dir(folder_);
  QStringList candidates{dir.filePath(QStringLiteral("docs/") + kManualFile), dir.filePath(kManualFile),
                         QDir(InstalledManualFolder(folder_)).filePath(kManualFile)};
#ifdef PIXMINT_DOCS_DIR
  // Never for an installed program: the source tree may still be there, but
  // it is not the manual of what was installed.
  if (InBuildFolder(folder_)) candidates << QDir(QStringLiteral(PIXMINT_DOCS_DIR)).filePath(kManualFile);
#endif
  for (const QString& candidate : candidates) {
    if (QFileInfo(candidate).isFile()) return QFileInfo(candidate).absoluteFilePath();
  }
  return {};
}

bool ExternalCommands::OpenHelp() const {
  const QString path = ManualPath();
  if (path.isEmpty() || !desktop_.openUrl) return false;
  return desktop_.openUrl(QUrl::fromLocalFile(path));
}

bool ExternalCommands::OpenWebPage() const {
  return desktop_.openUrl && desktop_.openUrl(QUrl(QString::fromUtf8(kWebAddress)));
}

bool ExternalCommands::OpenMail() const {
  return desktop_.openUrl && desktop_.openUrl(QUrl(QString::fromUtf8(kMailAddress)));
}

}  // namespace pixmint::app
