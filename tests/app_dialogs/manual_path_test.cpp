// Where Help finds the manual: beside the program, in the installation, or
// in the source tree only for a program run from its build folder.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <filesystem>
#include <fstream>

#include "app/dialogs/external_commands.h"
#include "support/pixel_grid.h"

namespace pixmint::app {
namespace {

namespace fs = std::filesystem;

QString ManualFor(const QString& programFolder) {
  return ExternalCommands(programFolder, {}).ManualPath();
}

void Touch(const QString& path) {
  fs::create_directories(fs::path(path.toStdString()).parent_path());
  std::ofstream(path.toStdString()) << "<html></html>";
}

TEST(ManualPath, TheInstalledManualForAnInstalledProgramAndTheSourceCopyOnlyInTheBuildFolder) {
  test::TempDir dir;
  const QString bin = QString::fromStdString((dir / "prefix" / "bin").string());
  fs::create_directories(bin.toStdString());
  // Installed, with the source tree it was built from still on the disk:
  // Help opens nothing rather than another version's manual.
  ASSERT_FALSE(InBuildFolder(bin));
  EXPECT_EQ(ManualFor(bin), QString());

  const QString installed = QDir(InstalledManualFolder(bin)).filePath(QStringLiteral("manual.html"));
  EXPECT_TRUE(installed.startsWith(QString::fromStdString((dir / "prefix").string()) + QLatin1Char('/')))
      << installed.toStdString();
  Touch(installed);
  EXPECT_EQ(ManualFor(bin), installed);
  // A portable copy beside the program comes first.
  Touch(bin + QStringLiteral("/docs/manual.html"));
  EXPECT_EQ(ManualFor(bin), bin + QStringLiteral("/docs/manual.html"));

  // This test runs from the build folder: the source tree's manual.
  const QString build = QCoreApplication::applicationDirPath();
  ASSERT_TRUE(InBuildFolder(build));
  const fs::path source = fs::path(PIXMINT_TEST_DATA_DIR) / ".." / ".." / "docs" / "manual.html";
  EXPECT_EQ(ManualFor(build), QString::fromStdString(fs::canonical(source).string()));
}

}  // namespace
}  // namespace pixmint::app
