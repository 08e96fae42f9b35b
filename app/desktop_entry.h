#pragma once

#include <QByteArray>
#include <QString>

namespace pixmint::app {

inline constexpr const char* kDesktopFileName = "pixmint.desktop";

// The Exec line of the desktop entry: the program quoted so that blanks,
// quotes, dollars, backquotes, backslashes and percent signs in its path
// survive both the entry's string escapes and its argument quoting.
[[nodiscard]] QString DesktopExecLine(const QString& programPath);

// The whole desktop entry text for the program.
[[nodiscard]] QString DesktopEntryText(const QString& programPath);

// Writes the desktop entry under $XDG_DATA_HOME/applications and makes it
// the default application for icons in $XDG_CONFIG_HOME/mimeapps.list,
// keeping every other line of that file. Both folders fall back to the
// freedesktop defaults under the home folder. False when a write failed.
[[nodiscard]] bool RegisterFileAssociation(const QString& programPath);

// Sets KEY=VALUE in the [Default Applications] group of a mimeapps.list
// text, adding the group when missing. It works on bytes, so every byte of
// the other lines stays as it was, whatever their encoding and line ends.
[[nodiscard]] QByteArray WithDefaultApplication(const QByteArray& mimeAppsText, const QByteArray& key,
                                                const QByteArray& value);

}  // namespace pixmint::app
