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

std::string Read(const fs::path& path) {
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), {});
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

// Registration at start-up, in a home and system folders of their own: a
// program the desktop does not know writes its own entry (running itself,
// with the installed icon or the source tree's); an installed entry the
// desktop finds is the one named, and an entry written before goes; a user's
// own entry is never replaced. "@" stands for the test's folder.
TEST(Registration, WritesAnEntryOnlyWhereTheDesktopKnowsNone) {
  const char* mine = "[Desktop Entry]\nName=mine\nExec=pixmint --my-way %f\n";
  const char* installedEntry = "[Desktop Entry]\nName=installed\n";
  struct Case {
    const char* what;
    const char* installedUnder;  // "": nothing installed
    bool fromBuild;
    const char* entryBefore;              // nullptr: none; "": written by a run from the build folder
    std::vector<std::string> entryHolds;  // empty: no entry of the user's
  };
  const Case cases[] = {
      {"build folder", "", true, nullptr, {"Exec=\"@/build/pixmint\" %f\n", "Icon=/", "X-Pixmint-Written=true"}},
      {"a prefix of its own", "opt", false, nullptr, {"Exec=\"@/opt/bin/pixmint\" %f\n", "Icon=@/opt/share/icons/"}},
      {"installed where the desktop looks", "usr", false, "", {}},
      {"build folder beside an installed program", "usr", true, "", {}},
      {"the user's own entry", "usr", false, mine, {mine}},
      {"installed into the user's data folder", "home/local", false, nullptr, {installedEntry}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const test::TempDir dir;
    const auto at = [&dir](std::string text) {
      for (std::size_t i; (i = text.find('@')) != std::string::npos;) text.replace(i, 1, dir.Path().string());
      return text;
    };
    DesktopFolders folders;
    folders.dataHome = Q(dir / "home" / "local" / "share");
    folders.configHome = Q(dir / "home" / "config");
    folders.dataDirs = {Q(dir / "usr" / "share")};
    const fs::path entry = dir / "home" / "local" / "share" / "applications" / "pixmint.desktop";
    if (c.entryBefore != nullptr && *c.entryBefore == 0) {
      ASSERT_TRUE(RegisterFileAssociation(Q(dir / "build" / "pixmint"), folders));
    } else if (c.entryBefore != nullptr) {
      fs::create_directories(entry.parent_path());
      std::ofstream(entry) << c.entryBefore;
    }
    const fs::path prefix = dir / c.installedUnder;
    if (*c.installedUnder != 0) {  // as the installation lays it out
      fs::create_directories(prefix / "bin");
      fs::create_directories(prefix / "share" / "icons" / "hicolor" / "256x256" / "apps");
      std::ofstream(prefix / "share" / "icons" / "hicolor" / "256x256" / "apps" / "pixmint.png") << "png";
      fs::create_directories(prefix / "share" / "applications");
      std::ofstream(prefix / "share" / "applications" / "pixmint.desktop") << installedEntry;
    }
    ASSERT_TRUE(
        RegisterFileAssociation(c.fromBuild ? Q(dir / "build" / "pixmint") : Q(prefix / "bin" / "pixmint"), folders));
    EXPECT_EQ(fs::exists(entry), !c.entryHolds.empty());
    const std::string written = Read(entry);
    for (const std::string& part : c.entryHolds) EXPECT_NE(written.find(at(part)), std::string::npos) << written;
    EXPECT_NE(Read(dir / "home" / "config" / "mimeapps.list").find("image/vnd.microsoft.icon=pixmint.desktop"),
              std::string::npos);
  }
}

}  // namespace
}  // namespace pixmint::app
