#include <QApplication>
#include <cstdio>
#include <string_view>

#include "app/dialogs/qt_texts.h"
#include "app/start_arguments.h"
#include "app/tfrm_main.h"
#include "document/temp_folder.h"
#include "editor/document_commands.h"

namespace {

constexpr const char* kHelp =
    "Usage: pixmint [--lang en|zh] [FILE]\n"
    "  or:  pixmint --help | --version\n"
    "Edits Windows icon (.ico), cursor (.cur) and animated cursor (.ani) files:\n"
    "every image at its own size and colour depth, with its transparency mask,\n"
    "alpha channel and hot spot. Without FILE it starts with a new icon; each\n"
    "window edits one file, and New and Open start another window.\n"
    "\n"
    "Options:\n"
    "      --lang en|zh  the window's language: English or Chinese (the default);\n"
    "                    remembered for the next starts\n"
    "  -h, --help        print this help and exit\n"
    "      --version     print the version and exit\n"
    "      --            end of the options: what follows is the file\n"
    "\n"
    "F1 in the window opens the manual. pixmint-cli(1) reads, writes, converts\n"
    "and extracts icons and cursors without a window.\n";

// --help and --version are answered before anything starts, display or not.
// The words that other options take are skipped, and "--" ends the options.
int InfoRequest(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view word = argv[i];
    if (word == "--") break;
    if (word == "--lang" || word == pixmint::editor::kUntitledArgument) {
      ++i;
    } else if (word == "--help" || word == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    } else if (word == "--version") {
      std::printf("pixmint %s\n", PIXMINT_VERSION);
      return 0;
    }
  }
  return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const int answered = InfoRequest(argc, argv); answered >= 0) return answered;
  QApplication application(argc, argv);
  QString error;
  const auto arguments = pixmint::app::ParseStartArguments(QApplication::arguments().mid(1), error);
  if (!arguments) {
    std::fprintf(stderr, "pixmint: %s; try 'pixmint --help'\n", qPrintable(error));
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
