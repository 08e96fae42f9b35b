// The Help menu, the settings dialog and the sibling programs.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/dialogs/external_commands.h"
#include "app/dialogs/qt_texts.h"
#include "app/dialogs/tfrm_about.h"
#include "app/dialogs/tfrm_config.h"
#include "app/qt_settings.h"
#include "app/tfrm_main.h"
#include "editor/workspace.h"
#include "raster/colour.h"

namespace pixmint::app {

void TfrmMain::BuildHelpMenu() {
  QMenu* menu = menuBar()->addMenu(T(texts::kMenuHelp));
  menu->setObjectName(QStringLiteral("mnuHelp"));
  QAction* contents = MakeAction("mnuHelpCont", texts::kHelpCont, texts::kHintHelp, "help");
  contents->setShortcut(QKeySequence(Qt::Key_F1));
  Register(QStringLiteral("tbtnHelp"), contents);
  connect(contents, &QAction::triggered, this, [this] { externals_->OpenHelp(); });
  menu->addAction(contents);
  menu->addSeparator();
  QAction* web = MakeAction("mnuHelpWeb", texts::kHelpWeb, texts::kHintWebsite, "website");
  Register(QStringLiteral("tbtnWebsite"), web);
  connect(web, &QAction::triggered, this, [this] { externals_->OpenWebPage(); });
  QAction* mail = MakeAction("mnuHelpEmail", texts::kHelpEmail, nullptr, nullptr);
  connect(mail, &QAction::triggered, this, [this] { externals_->OpenMail(); });
  menu->addActions({web, mail});
  menu->addSeparator();
  QAction* about = MakeAction("mnuHelpAbout", texts::kHelpAbout, nullptr, nullptr);
  connect(about, &QAction::triggered, this, [this] { ShowAbout(this, [this] { externals_->OpenWebPage(); }); });
  menu->addAction(about);
}

void TfrmMain::RunSettingsDialog() {
  ConfigValues values;
  const raster::MarkerColours& markers = raster::Markers();
  values.trans = markers.trans;
  values.invert = markers.invert;
  values.newImageSize = Ws().State().DefaultWidth;
  values.newImageBpp = Ws().State().DefaultBitCount;
  (void)RunConfigDialog(this, values, *settings_);
}

}  // namespace pixmint::app
