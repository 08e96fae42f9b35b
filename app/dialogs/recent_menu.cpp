#include "app/dialogs/recent_menu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>

namespace pixmint::app {

ProgramStarter DetachedStarter() {
  return
      [](const QString& program, const QStringList& arguments) { return QProcess::startDetached(program, arguments); };
}

RecentActions AddRecentActions(QMenu& menu) {
  RecentActions actions{};
  for (int i = 0; i < KRecentFile::kSlots; ++i) {
    auto* action = menu.addAction(QStringLiteral("r%1").arg(i));
    action->setObjectName(QStringLiteral("mnuRecent%1").arg(i));
    action->setVisible(false);
    actions[i] = action;
  }
  return actions;
}

void ShowRecentFiles(const KRecentFile& list, const RecentActions& actions) {
  for (int i = 0; i < KRecentFile::kSlots; ++i) {
    if (actions[i] == nullptr) continue;
    const std::string name = list.FileName(i);
    actions[i]->setVisible(!name.empty());
    // A '&' in a file name must show as itself, not as a mnemonic.
    QString caption = QString::fromStdString(RecentCaption(name));
    actions[i]->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
  }
}

bool OpenRecentEntry(const KRecentFile& list, const QString& objectName, const QString& program,
                     const ProgramStarter& start) {
  if (objectName.isEmpty() || list.FileCount() <= 0) return false;
  const int index = objectName.back().digitValue();
  const QString file = QString::fromStdString(list.FileName(index));
  if (file.isEmpty() || !QFileInfo(file).isFile()) return false;
  return start(program, {file});
}

}  // namespace pixmint::app
