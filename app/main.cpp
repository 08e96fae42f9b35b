#include <QApplication>
#include <cstdio>

#include "app/dialogs/qt_texts.h"
#include "app/start_arguments.h"
#include "app/tfrm_main.h"
#include "document/temp_folder.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QString error;
  const auto arguments = pixmint::app::ParseStartArguments(QApplication::arguments().mid(1), error);
  if (!arguments) {
    std::fprintf(stderr, "pixmint: %s\n", qPrintable(error));
    return 2;
  }
  // Instances that were killed left their private folders behind.
  pixmint::document::RemoveDeadPrivateFolders();
  QApplication::setApplicationName(QString::fromUtf8(pixmint::texts::kAppTitle));
  // Ties the window to the installed desktop entry (and so to its icon).
  QGuiApplication::setDesktopFileName(QStringLiteral("pixmint"));
  pixmint::app::StartOptions options;
  options.programPath = QApplication::applicationFilePath();
  options.fileArgument = arguments->file;
  options.language = arguments->language;
  options.handedOver = arguments->handedOver;
  pixmint::app::TfrmMain window(options);
  if (window.EndRequested()) return 1;
  window.show();
  return QApplication::exec();
}
