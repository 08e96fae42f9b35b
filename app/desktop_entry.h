#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace pixmint::app {

inline constexpr const char* kDesktopFileName = "pixmint.desktop";

// The Exec line of the desktop entry: the program quoted so that blanks,
// quotes, dollars, backquotes, backslashes and percent signs in its path
// survive both the entry's string escapes and its argument quoting.
[[nodiscard]] QString DesktopExecLine(const QString& programPath);

// The icon's name in the icon theme, as installed under hicolor.
inline constexpr const char* kIconName = "pixmint";

// The whole desktop entry text for the program; icon is a theme name or an
// absolute path. The entry carries a mark saying that the program wrote it,
// so that only such entries are ever removed again.
[[nodiscard]] QString DesktopEntryText(const QString& programPath, const QString& icon = QLatin1String(kIconName));

// The freedesktop folders the registration works in.
struct DesktopFolders {
  QString dataHome;      // $XDG_DATA_HOME, else ~/.local/share
  QStringList dataDirs;  // $XDG_DATA_DIRS, else /usr/local/share and /usr/share
  QString configHome;    // $XDG_CONFIG_HOME, else ~/.config
};
[[nodiscard]] DesktopFolders UserDesktopFolders();

// The data folder (<prefix>/share) of an installed program, found from the
// program's own path and the entry installed beside it; empty for a program
// that is not installed (one run from its build folder).
[[nodiscard]] QString InstalledDataFolder(const QString& programPath);

// Makes the program the default application for icons in
// configHome/mimeapps.list, keeping every other line of that file. The entry
// named there is the installed one when the desktop finds one: that of this
// program when it is installed, or of the installed program when this one runs
// from its build folder; an entry this program wrote earlier that would hide
// it is removed. Otherwise the program writes its own entry under
// dataHome/applications pointing at itself. False when a write failed.
[[nodiscard]] bool RegisterFileAssociation(const QString& programPath, const DesktopFolders& folders);
[[nodiscard]] bool RegisterFileAssociation(const QString& programPath);

// Sets KEY=VALUE in the [Default Applications] group of a mimeapps.list
// text, adding the group when missing. It works on bytes, so every byte of
// the other lines stays as it was, whatever their encoding and line ends.
[[nodiscard]] QByteArray WithDefaultApplication(const QByteArray& mimeAppsText, const QByteArray& key,
                                                const QByteArray& value);

}  // namespace pixmint::app
