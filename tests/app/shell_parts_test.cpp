// The window's pure helpers: geometry corrections, stored integers, the
// desktop entry's Exec line and the default-application list.
#include <gtest/gtest.h>

#include <QFile>

#include "app/desktop_entry.h"
#include "app/qt_settings.h"
#include "app/window_geometry.h"
#include "support/pixel_grid.h"

namespace pixmint::app {
namespace {

struct GeometryCase {
  WindowBox stored;
  WindowBox expected;
};

TEST(WindowGeometry, CorrectionsOnA1280x800Screen) {
  const GeometryCase cases[] = {
      // First run: every value reads 100.
      {{100, 100, 100, 100}, {30, 30, 1220, 740}},
      {{99, 101, 800, 600}, {99, 101, 800, 600}},
      {{100, 100, 800, 600}, {240, 100, 800, 600}},
      {{10, 10, 150, 200}, {10, 10, 1220, 200}},
      // Stored on a bigger display: kept reachable on this one.
      {{3000, -400, 2000, 1500}, {0, 0, 1280, 800}},
      {{-50, 700, 400, 300}, {0, 500, 400, 300}},
  };
  for (const GeometryCase& c : cases) {
    EXPECT_EQ(CorrectWindowBox(c.stored, 1280, 800), c.expected)
        << c.stored.left << "," << c.stored.top << " " << c.stored.width << "x" << c.stored.height;
  }
}

// Integers of the wrong type or range read as missing (100).
TEST(QtSettings, BadIntegersReadAsMissing) {
  test::TempDir dir;
  const QString path = QString::fromStdString((dir / "s.ini").string());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[General]\nGood=42\nNegative=-7\nWord=abc\nHuge=99999999999\nList=a, b\nEmpty=\n");
  file.close();
  QtSettings settings(path);
  EXPECT_EQ(settings.RegReadInt("Good"), 42);
  EXPECT_EQ(settings.RegReadInt("Negative"), -7);
  for (const char* name : {"Word", "Huge", "List", "Empty", "Missing"}) EXPECT_EQ(settings.RegReadInt(name), 100);
}

TEST(DesktopEntry, ExecQuotesEveryAwkwardCharacter) {
  const std::pair<const char*, const char*> cases[] = {
      {"/opt/my apps/pixmint", R"("/opt/my apps/pixmint" %f)"},
      {R"(/a"b/p)", R"("/a\\"b/p" %f)"},
      {"/a$b`c/p", R"("/a\\$b\\`c/p" %f)"},
      {"/100%/p", R"("/100%%/p" %f)"},
      {R"(/a\b/p)", R"("/a\\\\b/p" %f)"},
  };
  for (const auto& [path, exec] : cases) EXPECT_EQ(DesktopExecLine(QString::fromUtf8(path)).toStdString(), exec);
}

TEST(DesktopEntry, DefaultApplicationKeepsEveryByteOfOtherLines) {
  const QByteArray key = "image/vnd.microsoft.icon";
  const QByteArray value = "pixmint.desktop";
  const std::pair<const char*, const char*> cases[] = {
      {"", "[Default Applications]\nimage/vnd.microsoft.icon=pixmint.desktop\n"},
      {"[Added Associations]\ntext/plain=ed.desktop\n",
       "[Added Associations]\ntext/plain=ed.desktop\n\n[Default "
       "Applications]\nimage/vnd.microsoft.icon=pixmint.desktop\n"},
      {"[Default Applications]\nimage/png=gimp.desktop\nimage/vnd.microsoft.icon=other.desktop\n[X]\ny=z\n",
       "[Default Applications]\nimage/png=gimp.desktop\nimage/vnd.microsoft.icon=pixmint.desktop\n[X]\ny=z\n"},
      {"[Default Applications]\nimage/png=gimp.desktop\n",
       "[Default Applications]\nimage/vnd.microsoft.icon=pixmint.desktop\nimage/png=gimp.desktop\n"},
      // Latin-1 bytes (not UTF-8), line ends of another system, no final line end.
      {"[Added Associations]\r\nx=caf\xe9.desktop\r\n\r\n[Default Applications]\r\nimage/png=\xff.desktop",
       "[Added Associations]\r\nx=caf\xe9.desktop\r\n\r\n[Default Applications]\r\n"
       "image/vnd.microsoft.icon=pixmint.desktop\r\nimage/png=\xff.desktop"},
      {"[Default Applications]\nimage/vnd.microsoft.icon=old\xe9",
       "[Default Applications]\nimage/vnd.microsoft.icon=pixmint.desktop"},
      {"# \xe9t\xe9", "# \xe9t\xe9\n\n[Default Applications]\nimage/vnd.microsoft.icon=pixmint.desktop\n"},
  };
  for (const auto& [before, after] : cases) {
    EXPECT_EQ(WithDefaultApplication(before, key, value).toStdString(), after) << before;
  }
}

}  // namespace
}  // namespace pixmint::app
