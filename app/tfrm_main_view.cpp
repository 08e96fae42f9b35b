// The View menu: the three zoom commands.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/dialogs/qt_texts.h"
#include "app/tfrm_main.h"
#include "editor/workspace.h"

namespace pixmint::app {

// The zoom commands take the numeric keypad's +, - and * (as their hints
// say) and Ctrl with + or -; the plain letters K and M stay with the fill
// and marquee tools.
void TfrmMain::BuildViewMenu() {
  QMenu* menu = menuBar()->addMenu(T(texts::kMenuView));
  menu->setObjectName(QStringLiteral("mnuView"));

  QAction* in = MakeAction("mnuViewRoomIn", texts::kViewRoomIn, texts::kHintRoomIn, "zoom_in");
  in->setShortcuts({QKeySequence(Qt::KeypadModifier | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Plus),
                    QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  Register(QStringLiteral("tbtnRoomIn"), in);
  connect(in, &QAction::triggered, this, [this] { Ws().ZoomIn(); });
  menu->addAction(in);

  QAction* out = MakeAction("mnuViewRoomOut", texts::kViewRoomOut, texts::kHintRoomOut, "zoom_out");
  out->setShortcuts({QKeySequence(Qt::KeypadModifier | Qt::Key_Minus), QKeySequence(Qt::CTRL | Qt::Key_Minus)});
  Register(QStringLiteral("tbtnRoomOut"), out);
  connect(out, &QAction::triggered, this, [this] { Ws().ZoomOut(); });
  menu->addAction(out);
  menu->addSeparator();

  QAction* automatic = MakeAction("mnuViewRoomAuto", texts::kViewRoomAuto, texts::kHintRoomAuto, "zoom_auto");
  automatic->setShortcut(QKeySequence(Qt::KeypadModifier | Qt::Key_Asterisk));
  Register(QStringLiteral("tbtnRoomAuto"), automatic);
  connect(automatic, &QAction::triggered, this, [this] { Ws().ZoomAuto(); });
  menu->addAction(automatic);

  for (QAction* action : {in, out, automatic}) action->setEnabled(false);
}

}  // namespace pixmint::app
