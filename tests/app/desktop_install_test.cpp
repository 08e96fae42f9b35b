// The program on the desktop: its own icon in the window and the About box,
// and the start-up registration with and without an installation.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/art.h"
#include "app/desktop_entry.h"
#include "app/dialogs/tfrm_about.h"
#include "app/tfrm_main.h"
#include "support/pixel_grid.h"

namespace pixmint::app {
namespace {

namespace fs = std::filesystem;

QString Q(const fs::path& path) {
  return QString::fromStdString(path.string());
}

TEST(ProgramIcon, HasEveryUsualSizeAndShowsInTheWindowAndTheAboutBox) {
  PixmintInitResources();
  const QIcon icon = ProgramIcon();
  QList<QSize> expected;
  for (const int side : kProgramIconSizes) expected << QSize(side, side);
  ASSERT_EQ(icon.availableSizes(), expected);
  for (const QSize& size : expected) {
    const QImage picture = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(picture.size(), size);
    // A tile: opaque inside, its corner rounded off at every size but the smallest.
    EXPECT_EQ(qAlpha(picture.pixel(size.width() / 2, size.height() / 2)), 255) << size.width();
    if (size.width() > 16) {
      EXPECT_LT(qAlpha(picture.pixel(0, 0)), 128) << size.width();
    }
  }

  test::TempDir dir;
  StartOptions options;
  options.programPath = QStringLiteral("/usr/bin/pixmint");
  options.settingsFile = Q(dir / "settings.ini");
  options.registerAssociation = false;
  TfrmMain window(options);
  EXPECT_EQ(window.windowIcon().availableSizes(), expected);

  TfrmAbout about(&window, {});
  about.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  const QImage shown = about.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage drawn = icon.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
  // The icon sits at (25, 12) in its 32-pixel picture.
  for (const QPoint p : {QPoint(16, 16), QPoint(8, 20), QPoint(24, 6)}) {
    ASSERT_EQ(qAlpha(drawn.pixel(p)), 255);
    EXPECT_EQ(shown.pixel(p + QPoint(25, 12)) & 0xFFFFFF, drawn.pixel(p) & 0xFFFFFF) << p.x() << "," << p.y();
  }
}

// A home and system folders of their own, and a place for programs.
class Registration : public ::testing::Test {
 protected:
  Registration() {
    folders_.dataHome = Q(dir_ / "home" / "local" / "share");
    folders_.configHome = Q(dir_ / "home" / "config");
    folders_.dataDirs = {Q(dir_ / "usr" / "share")};
  }
  // A program installed under prefix as the installation lays it out.
  QString Install(const fs::path& prefix) {
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share" / "applications");
    fs::create_directories(prefix / "share" / "icons" / "hicolor" / "256x256" / "apps");
    std::ofstream(prefix / "share" / "applications" / "pixmint.desktop") << "[Desktop Entry]\nName=installed\n";
    std::ofstream(prefix / "share" / "icons" / "hicolor" / "256x256" / "apps" / "pixmint.png") << "png";
    return Q(prefix / "bin" / "pixmint");
  }
  fs::path UserEntry() const { return dir_ / "home" / "local" / "share" / "applications" / "pixmint.desktop"; }
  std::string Read(const fs::path& path) const {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  test::TempDir dir_;
  DesktopFolders folders_;
};

TEST_F(Registration, AProgramTheDesktopDoesNotKnowWritesItsOwnEntry) {
  // From a build folder, nothing installed: the entry runs this program and
  // shows the icon of the source tree.
  ASSERT_TRUE(RegisterFileAssociation(Q(dir_ / "build" / "pixmint"), folders_));
  std::string entry = Read(UserEntry());
  EXPECT_NE(entry.find("Exec=\"" + (dir_ / "build" / "pixmint").string() + "\" %f\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("Icon=/"), std::string::npos) << entry;
  EXPECT_NE(entry.find("X-Pixmint-Written=true"), std::string::npos) << entry;
  EXPECT_NE(Read(dir_ / "home" / "config" / "mimeapps.list").find("image/vnd.microsoft.icon=pixmint.desktop"),
            std::string::npos);

  // Installed where the desktop does not look (a prefix of its own): the
  // entry runs the installed program and shows the installed icon.
  const QString program = Install(dir_ / "opt" / "pixmint");
  EXPECT_EQ(InstalledDataFolder(program), Q(dir_ / "opt" / "pixmint" / "share"));
  ASSERT_TRUE(RegisterFileAssociation(program, folders_));
  entry = Read(UserEntry());
  EXPECT_NE(entry.find("Exec=\"" + program.toStdString() + "\" %f\n"), std::string::npos) << entry;
  EXPECT_NE(
      entry.find("Icon=" + (dir_ / "opt" / "pixmint" / "share" / "icons/hicolor/256x256/apps/pixmint.png").string()),
      std::string::npos)
      << entry;
}

TEST_F(Registration, AnInstalledEntryTheDesktopFindsIsTheOneNamed) {
  struct Case {
    const char* what;
    bool ownEntryWrittenBefore;  // by an earlier run from a build folder
    bool runFromBuild;
  };
  const Case cases[] = {{"installed program", true, false},
                        {"installed program, no earlier entry", false, false},
                        {"build folder beside an installed program", true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(dir_ / "home");
    fs::remove_all(dir_ / "usr");
    if (c.ownEntryWrittenBefore) {
      ASSERT_TRUE(RegisterFileAssociation(Q(dir_ / "build" / "pixmint"), folders_));
    }
    const QString installed = Install(dir_ / "usr");
    ASSERT_TRUE(RegisterFileAssociation(c.runFromBuild ? Q(dir_ / "build" / "pixmint") : installed, folders_));
    EXPECT_FALSE(fs::exists(UserEntry())) << "the installed entry stays visible";
    EXPECT_NE(Read(dir_ / "home" / "config" / "mimeapps.list").find("image/vnd.microsoft.icon=pixmint.desktop"),
              std::string::npos);
  }
}

TEST_F(Registration, AUsersOwnEntryIsNeverRemoved) {
  const QString installed = Install(dir_ / "usr");
  fs::create_directories(UserEntry().parent_path());
  std::ofstream(UserEntry()) << "[Desktop Entry]\nName=mine\nExec=pixmint --my-way %f\n";
  ASSERT_TRUE(RegisterFileAssociation(installed, folders_));
  EXPECT_EQ(Read(UserEntry()), "[Desktop Entry]\nName=mine\nExec=pixmint --my-way %f\n");
  // Installed into the user's own data folder: that entry is the installed one.
  fs::remove_all(dir_ / "usr");
  fs::remove(UserEntry());
  const QString inHome = Install(dir_ / "home" / "local");
  ASSERT_TRUE(RegisterFileAssociation(inHome, folders_));
  EXPECT_EQ(Read(UserEntry()), "[Desktop Entry]\nName=installed\n");
}

}  // namespace
}  // namespace pixmint::app
