#include <QApplication>

#include "app/dialogs/qt_texts.h"
#include "app/tfrm_main.h"
#include "document/temp_folder.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Instances that were killed left their private folders behind.
  pixmint::document::RemoveDeadPrivateFolders();
  QApplication::setApplicationName(QString::fromUtf8(pixmint::texts::kAppTitle));
  // Ties the window to the installed desktop entry (and so to its icon).
  QGuiApplication::setDesktopFileName(QStringLiteral("pixmint"));
  pixmint::app::StartOptions options;
  options.programPath = QApplication::applicationFilePath();
  const QStringList args = QApplication::arguments();
  if (args.size() > 1) options.fileArgument = args.at(1);
  pixmint::app::TfrmMain window(options);
  if (window.EndRequested()) return 1;
  window.show();
  return QApplication::exec();
}
