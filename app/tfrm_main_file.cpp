// The File menu: new, open, save, save as, the recent files and exit.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

#include "app/dialogs/qt_texts.h"
#include "app/dialogs/recent_menu.h"
#include "app/qt_settings.h"
#include "app/tfrm_main.h"
#include "editor/workspace.h"

namespace pixmint::app {

void TfrmMain::BuildFileMenu() {
  QMenu* menu = menuBar()->addMenu(T(texts::kMenuFile));
  menu->setObjectName(QStringLiteral("mnuFile"));
  QMenu* fresh = menu->addMenu(T(texts::kFileNew));
  fresh->setObjectName(QStringLiteral("mnuFileNew"));

  QAction* newIcon = MakeAction("mnuFileNewIcon", texts::kFileNewIcon, texts::kHintNew, "new");
  newIcon->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  Register(QStringLiteral("tbtnNew"), newIcon);
  connect(newIcon, &QAction::triggered, this, [this] { Ws().NewIcon(); });
  fresh->addAction(newIcon);

  QAction* newCursor = MakeAction("mnuFileNewCursor", texts::kFileNewCursor, nullptr, nullptr);
  connect(newCursor, &QAction::triggered, this, [this] { Ws().NewCursor(); });
  fresh->addAction(newCursor);

  QAction* open = MakeAction("mnuFileOpen", texts::kFileOpen, texts::kHintOpen, "open");
  open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  Register(QStringLiteral("tbtnOpen"), open);
  connect(open, &QAction::triggered, this, [this] { Ws().Open(); });
  menu->addAction(open);

  QAction* save = MakeAction("mnuFileSave", texts::kFileSave, texts::kHintSave, "save");
  save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  save->setEnabled(false);
  Register(QStringLiteral("tbtnSave"), save);
  connect(save, &QAction::triggered, this, [this] {
    Ws().Save();
    RememberSavedFile();
  });
  menu->addAction(save);

  QAction* saveAs = MakeAction("mnuFileSaveAs", texts::kFileSaveAs, nullptr, nullptr);
  saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  connect(saveAs, &QAction::triggered, this, [this] { Ws().SaveAs(); });
  menu->addAction(saveAs);
  menu->addSeparator();

  QAction* settings = MakeAction("mnuSettings", texts::kSettings, nullptr, nullptr);
  connect(settings, &QAction::triggered, this, &TfrmMain::RunSettingsDialog);
  menu->addAction(settings);
  menu->addSeparator();
  recentActions_ = AddRecentActions(*menu);
  for (QAction* recent : recentActions_) {
    Register(recent->objectName(), recent);
    connect(recent, &QAction::triggered, this, [this, recent] {
      (void)OpenRecentEntry(recentFiles_, recent->objectName(), options_.programPath, starter_);
    });
  }
  menu->addSeparator();

  QAction* exit = MakeAction("mnuFileExit", texts::kFileExit, nullptr, nullptr);
  exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
  connect(exit, &QAction::triggered, this, &QWidget::close);
  menu->addAction(exit);
}

}  // namespace pixmint::app

namespace pixmint::app {

void TfrmMain::RememberRecent(const QString& path) {
  if (path.isEmpty()) return;
  recentFiles_.AddNew(path.toStdString());
  if (SaveRecentFiles(recentFiles_, *settings_)) ShowRecentFiles(recentFiles_, recentActions_);
  // Another instance started now reads the list at once.
  settings_->Sync();
}

void TfrmMain::RememberSavedFile() {
  // A save that went through clears the unsaved-changes mark.
  const auto found = controls_.value(QStringLiteral("tbtnSave"));
  const auto* save = found.isEmpty() ? nullptr : qobject_cast<QAction*>(found.constFirst().data());
  const QString name = QString::fromStdString(Ws().State().FileName);
  if (save != nullptr && !save->isEnabled() && QDir::isAbsolutePath(name)) RememberRecent(name);
}

}  // namespace pixmint::app
