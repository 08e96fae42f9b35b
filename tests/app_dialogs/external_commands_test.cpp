// The programs and pages the window starts: sibling programs only when they
// are there, and where Help finds the manual (beside the program, in the
// installation, or in the source tree only for a program run from its build
// folder).
#include "app/dialogs/external_commands.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <filesystem>
#include <fstream>

#include "support/pixel_grid.h"

namespace pixmint::app {
namespace {

namespace fs = std::filesystem;

void Touch(const fs::path& path) {
  fs::create_directories(path.parent_path());
  std::ofstream(path) << "#!/bin/sh\n";
  fs::permissions(path, fs::perms::owner_all);
}

TEST(ExternalCommands, StartSiblingsOnlyWhenPresentAndFindTheManual) {
  test::TempDir dir;
  const QString bin = QString::fromStdString((dir / "prefix" / "bin").string());
  std::vector<QString> started;
  const ExternalCommands commands(bin,
                                  {[&](const QString& p, const QStringList&) { return started.push_back(p), true; },
                                   [&](const QUrl& url) { return started.push_back(url.toString()), true; }});
  EXPECT_FALSE(commands.StartExtractor());
  Touch(dir / "prefix" / "bin" / "_extract.exe");
  EXPECT_TRUE(commands.StartExtractor());

  // Installed, with the source tree it was built from still on the disk:
  // Help opens nothing rather than another version's manual.
  ASSERT_FALSE(InBuildFolder(bin));
  EXPECT_EQ(commands.ManualPath(), QString());
  EXPECT_FALSE(commands.OpenHelp());
  const QString installed = QDir(InstalledManualFolder(bin)).filePath(QStringLiteral("manual.html"));
  EXPECT_TRUE(installed.startsWith(QString::fromStdString((dir / "prefix").string()) + QLatin1Char('/')))
      << installed.toStdString();
  Touch(installed.toStdString());
  EXPECT_EQ(commands.ManualPath(), installed);
  // A portable copy beside the program comes first.
  Touch(dir / "prefix" / "bin" / "docs" / "manual.html");
  EXPECT_EQ(commands.ManualPath(), bin + QStringLiteral("/docs/manual.html"));
  EXPECT_TRUE(commands.OpenHelp());
  EXPECT_EQ(started, (std::vector<QString>{bin + QStringLiteral("/_extract.exe"),
                                           QUrl::fromLocalFile(bin + QStringLiteral("/docs/manual.html")).toString()}));

  // This test runs from the build folder: the source tree's manual.
  const QString build = QCoreApplication::applicationDirPath();
  ASSERT_TRUE(InBuildFolder(build));
  const fs::path source = fs::path(PIXMINT_TEST_DATA_DIR) / ".." / ".." / "docs" / "manual.html";
  EXPECT_EQ(ExternalCommands(build, {}).ManualPath(), QString::fromStdString(fs::canonical(source).string()));
}

}  // namespace
}  // namespace pixmint::app
