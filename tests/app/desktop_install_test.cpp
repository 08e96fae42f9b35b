// The program on the desktop: its own icon in the window, and the start-up
// registration with and without an installation.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/art.h"
#include "app/desktop_entry.h"
#include "app/tfrm_main.h"
#include "support/pixel_grid.h"

namespace pixmint::app {
namespace {

namespace fs = std::filesystem;

QString Q(const fs::path& path) {
  return QString::fromStdString(path.string());
}

TEST(ProgramIcon, HasEveryUsualSizeAndShowsInTheWindow) {
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
  options.settingsFile = Q(dir / "settings.ini");
  options.registerAssociation = false;
  EXPECT_EQ(TfrmMain(options).windowIcon().availableSizes(), expected);
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
  // shows the icon of the source tree. Installed where the desktop does not
  // look (a prefix of its own): the installed program and icon.
  const QString installed = Install(dir_ / "opt" / "pixmint");
  EXPECT_EQ(InstalledDataFolder(installed), Q(dir_ / "opt" / "pixmint" / "share"));
  const fs::path icon = dir_ / "opt" / "pixmint" / "share" / "icons/hicolor/256x256/apps/pixmint.png";
  for (const auto& [program, iconLine] : {std::pair{Q(dir_ / "build" / "pixmint"), std::string("Icon=/")},
                                          std::pair{installed, "Icon=" + icon.string()}}) {
    ASSERT_TRUE(RegisterFileAssociation(program, folders_));
    const std::string entry = Read(UserEntry());
    EXPECT_NE(entry.find("Exec=\"" + program.toStdString() + "\" %f\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find(iconLine), std::string::npos) << entry;
    EXPECT_NE(entry.find("X-Pixmint-Written=true"), std::string::npos) << entry;
    EXPECT_NE(Read(dir_ / "home" / "config" / "mimeapps.list").find("image/vnd.microsoft.icon=pixmint.desktop"),
              std::string::npos);
  }
}

// An installed entry the desktop finds is the one named, and a user's own
// entry is never replaced.
TEST_F(Registration, AnInstalledOrTheUsersOwnEntryIsTheOneNamed) {
  const char* mine = "[Desktop Entry]\nName=mine\nExec=pixmint --my-way %f\n";
  struct Case {
    const char* what;
    const char* entryBefore;  // nullptr: none; "" written by an earlier run from a build folder
    bool runFromBuild;
    const char* entryAfter;  // nullptr: none (the installed one stays visible)
  };
  const Case cases[] = {{"installed program", "", false, nullptr},
                        {"installed program, no earlier entry", nullptr, false, nullptr},
                        {"build folder beside an installed program", "", true, nullptr},
                        {"the user's own entry", mine, false, mine}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(dir_ / "home");
    if (c.entryBefore != nullptr && *c.entryBefore == 0) {
      ASSERT_TRUE(RegisterFileAssociation(Q(dir_ / "build" / "pixmint"), folders_));
    } else if (c.entryBefore != nullptr) {
      fs::create_directories(UserEntry().parent_path());
      std::ofstream(UserEntry()) << c.entryBefore;
    }
    const QString installed = Install(dir_ / "usr");
    ASSERT_TRUE(RegisterFileAssociation(c.runFromBuild ? Q(dir_ / "build" / "pixmint") : installed, folders_));
    EXPECT_EQ(fs::exists(UserEntry()) ? Read(UserEntry()) : "(none)", c.entryAfter ? c.entryAfter : "(none)");
    EXPECT_NE(Read(dir_ / "home" / "config" / "mimeapps.list").find("image/vnd.microsoft.icon=pixmint.desktop"),
              std::string::npos);
  }
  // Installed into the user's own data folder: that entry is the installed one.
  fs::remove_all(dir_ / "usr");
  fs::remove(UserEntry());
  ASSERT_TRUE(RegisterFileAssociation(Install(dir_ / "home" / "local"), folders_));
  EXPECT_EQ(Read(UserEntry()), "[Desktop Entry]\nName=installed\n");
}

}  // namespace
}  // namespace pixmint::app
