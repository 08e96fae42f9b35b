// The Edit menu and the canvas's pop-up menu.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/dialogs/qt_texts.h"
#include "app/tfrm_main.h"
#include "editor/workspace.h"

namespace pixmint::app {

void TfrmMain::BuildEditMenu() {
  QMenu* menu = menuBar()->addMenu(T(texts::kMenuEdit));
  menu->setObjectName(QStringLiteral("mnuEdit"));
  struct Item {
    const char* name;
    const char* button;
    const char* caption;
    const char* hint;
    const char* icon;
    QKeySequence key;
    void (editor::Workspace::*run)();
    bool separatorAfter;
  };
  const Item items[] = {
      {"mnuEditUndo", "tbtnUndo", texts::kEditUndo, texts::kHintUndo, "undo", QKeySequence(Qt::CTRL | Qt::Key_Z),
       &editor::Workspace::Undo, false},
      {"mnuEditRedo", "tbtnRedo", texts::kEditRedo, texts::kHintRedo, "redo", QKeySequence(Qt::CTRL | Qt::Key_Y),
       &editor::Workspace::Redo, true},
      {"mnuEditCopy", "tbtnCopy", texts::kEditCopy, texts::kHintCopy, "copy", QKeySequence(Qt::CTRL | Qt::Key_C),
       &editor::Workspace::Copy, false},
      {"mnuEditCut", "tbtnCut", texts::kEditCut, texts::kHintCut, "cut", QKeySequence(Qt::CTRL | Qt::Key_X),
       &editor::Workspace::Cut, false},
      {"mnuEditPaste", "tbtnPaste", texts::kEditPaste, texts::kHintPaste, "paste", QKeySequence(Qt::CTRL | Qt::Key_V),
       &editor::Workspace::Paste, false},
      {"mnuEditDel", "tbtnClear", texts::kEditDel, texts::kHintClear, "clear", QKeySequence(Qt::Key_Delete),
       &editor::Workspace::DeleteSelection, true},
      {"mnuEditSelectAll", nullptr, texts::kEditSelectAll, nullptr, nullptr, QKeySequence(Qt::CTRL | Qt::Key_A),
       &editor::Workspace::SelectAll, false},
  };
  for (const Item& item : items) {
    QAction* action = MakeAction(item.name, item.caption, item.hint, item.icon);
    action->setShortcut(item.key);
    if (item.button != nullptr) {
      Register(QLatin1String(item.button), action);
      action->setEnabled(false);
    }
    connect(action, &QAction::triggered, this, [this, run = item.run] { (Ws().*run)(); });
    menu->addAction(action);
    if (item.separatorAfter) menu->addSeparator();
  }
}

void TfrmMain::BuildCanvasMenu() {
  canvasMenu_ = new QMenu(this);
  canvasMenu_->setObjectName(QStringLiteral("PopupMenu2"));
  struct Item {
    const char* name;
    const char* caption;
    void (editor::Workspace::*run)();
  };
  const Item items[] = {{"pmuCut", texts::kPmuCut, &editor::Workspace::Cut},
                        {"pmuCopy", texts::kPmuCopy, &editor::Workspace::Copy},
                        {"pmuPaste", texts::kPmuPaste, &editor::Workspace::Paste},
                        {"pmuDelete", texts::kPmuDelete, &editor::Workspace::DeleteSelection},
                        {nullptr, nullptr, nullptr},
                        {"pmuSelectAll", texts::kPmuSelectAll, &editor::Workspace::SelectAll},
                        {nullptr, nullptr, nullptr},
                        {"pmuMerge", texts::kPmuMerge, &editor::Workspace::Merge}};
  for (const Item& item : items) {
    if (item.name == nullptr) {
      canvasMenu_->addSeparator();
      continue;
    }
    QAction* action = MakeAction(item.name, item.caption, nullptr, nullptr);
    connect(action, &QAction::triggered, this, [this, run = item.run] { (Ws().*run)(); });
    canvasMenu_->addAction(action);
  }
}

void TfrmMain::ShowCanvasMenu(QPoint global) {
  // Each item follows its command's state at the moment the menu opens.
  const std::pair<const char*, const char*> follows[] = {{"pmuCut", "tbtnCut"},
                                                         {"pmuCopy", "tbtnCopy"},
                                                         {"pmuPaste", "tbtnPaste"},
                                                         {"pmuDelete", "tbtnClear"},
                                                         {"pmuSelectAll", "mnuEditSelectAll"}};
  for (const auto& [item, source] : follows) {
    const auto found = controls_.value(QLatin1String(source));
    const auto* action = found.isEmpty() ? nullptr : qobject_cast<QAction*>(found.constFirst().data());
    ControlEnabled(QLatin1String(item), action != nullptr && action->isEnabled());
  }
  ControlEnabled(QStringLiteral("pmuMerge"), Ws().State().HasFloat);
  canvasMenu_->popup(global);
}

}  // namespace pixmint::app
