// The Effects menu: flips and rotations of the selection or the image.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/dialogs/qt_texts.h"
#include "app/tfrm_main.h"
#include "editor/workspace.h"

namespace pixmint::app {

void TfrmMain::BuildEffectsMenu() {
  QMenu* menu = menuBar()->addMenu(T(texts::kMenuEffects));
  menu->setObjectName(QStringLiteral("mnuEffects"));
  struct Item {
    const char* name;
    const char* caption;
    void (editor::Workspace::*run)();
    bool separatorAfter;
  };
  const Item items[] = {
      {"mnuEffectFilpHor", texts::kEffectFlipHor, &editor::Workspace::FlipHorizontal, false},
      {"mnuEffectFilpVer", texts::kEffectFlipVer, &editor::Workspace::FlipVertical, true},
      {"mnuEffectRotateArb", texts::kEffectRotateArb, &editor::Workspace::RotateArbitrary, false},
      {"mnuEffectRotate90", texts::kEffectRotate90, &editor::Workspace::RotateRight, false},
      {"mnuEffectRotate270", texts::kEffectRotate270, &editor::Workspace::RotateLeft, false},
      {"mnuEffectRotate180", texts::kEffectRotate180, &editor::Workspace::Rotate180, false},
  };
  for (const Item& item : items) {
    QAction* action = MakeAction(item.name, item.caption, nullptr, nullptr);
    connect(action, &QAction::triggered, this, [this, run = item.run] { (Ws().*run)(); });
    menu->addAction(action);
    if (item.separatorAfter) menu->addSeparator();
  }
}

}  // namespace pixmint::app
