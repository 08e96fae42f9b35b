#include <QApplication>

#include "app/dialogs/qt_texts.h"
#include "app/tfrm_main.h"
#include "document/temp_folder.h"
#include "editor/document_commands.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Instances that were killed left their private folders behind.
  pixmint::document::RemoveDeadPrivateFolders();
  QApplication::setApplicationName(QString::fromUtf8(pixmint::texts::kAppTitle));
  pixmint::app::StartOptions options;
  options.programPath = QApplication::applicationFilePath();
  const QStringList args = QApplication::arguments();
  if (args.size() > 1) options.fileArgument = args.at(1);
  // Another instance hands over a group out of a program: it opens untitled.
  if (args.size() > 2 && args.at(1) == QLatin1String(pixmint::editor::kUntitledArgument)) {
    options.fileArgument.reset();
    options.handedOver = args.at(2);
  }
  pixmint::app::TfrmMain window(options);
  if (window.EndRequested()) return 1;
  window.show();
  return QApplication::exec();
}
