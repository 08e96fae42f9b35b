#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "app/dialogs/recent_files.h"

class QAction;
class QMenu;

namespace pixmint::app {

// Starts a program with an argument list and does not wait for it.
using ProgramStarter = std::function<bool(const QString& program, const QStringList& arguments)>;
[[nodiscard]] ProgramStarter DetachedStarter();

using RecentActions = std::array<QAction*, KRecentFile::kSlots>;

// Adds the hidden items mnuRecent0 to mnuRecent4 to the menu (owned by it).
RecentActions AddRecentActions(QMenu& menu);

// Item N is visible exactly when slot N holds a name, captioned by its file name.
void ShowRecentFiles(const KRecentFile& list, const RecentActions& actions);

// The shared click of the items: the slot is the last character of the item's
// object name. Starts `program` on the file when it exists; a vanished file is
// ignored and stays listed. Returns whether a program was started.
bool OpenRecentEntry(const KRecentFile& list, const QString& objectName, const QString& program,
                     const ProgramStarter& start);

}  // namespace pixmint::app
