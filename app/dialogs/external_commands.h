#pragma once

#include <QString>
#include <QUrl>
#include <functional>

#include "app/dialogs/recent_menu.h"

namespace pixmint::app {

// The project's own addresses for the web and mail commands.
inline constexpr const char* kWebAddress = "https://pixmint.example.org/";
inline constexpr const char* kMailAddress = "mailto:pixmint@example.org";

// The sibling programs that sit in the program's folder.
inline constexpr const char* kExtractProgram = "_extract.exe";
inline constexpr const char* kPicToIcoProgram = "_pic2ico.exe";
inline constexpr const char* kManualFile = "manual.html";

// What the commands ask of the desktop; the default one uses QProcess and
// QDesktopServices, tests record the calls.
struct DesktopServices {
  ProgramStarter startProgram;
  std::function<bool(const QUrl&)> openUrl;
};
[[nodiscard]] DesktopServices SystemDesktop();

// The commands of the tool bar and the Help menu. The program's folder is
// where the sibling programs and the manual are looked for.
class ExternalCommands {
 public:
  ExternalCommands(QString programFolder, DesktopServices desktop);

  // Start a sibling program with no arguments when it exists; a missing one
  // simply does nothing. Returns whether one was started.
  bool StartExtractor() const { return StartSibling(kExtractProgram); }
  bool StartPicToIco() const { return StartSibling(kPicToIcoProgram); }
  // Opens the user manual in the desktop's browser; the path is found anew on
  // every call.
  bool OpenHelp() const;
  bool OpenWebPage() const;
  bool OpenMail() const;

  // Where the manual is: beside the program (manual.html or docs/manual.html,
  // a portable copy), where the installation put it (the documentation folder
  // of the program's prefix), or, for a program run from its build folder
  // only, the copy in the source tree it was built from. Empty when none.
  [[nodiscard]] QString ManualPath() const;
  // The sibling's path, also accepted without its ".exe". Empty when missing.
  [[nodiscard]] QString SiblingPath(const QString& name) const;

 private:
  bool StartSibling(const char* name) const;

  QString folder_;
  DesktopServices desktop_;
};

// The program's folder of the running program.
[[nodiscard]] QString ProgramFolder();

// The folder the installation puts the manual in, for a program installed
// in programFolder (<prefix>/share/doc/pixmint for <prefix>/bin).
[[nodiscard]] QString InstalledManualFolder(const QString& programFolder);

// True when programFolder lies inside the build folder this program was
// built in: only then does the source tree's manual belong to it.
[[nodiscard]] bool InBuildFolder(const QString& programFolder);

}  // namespace pixmint::app
