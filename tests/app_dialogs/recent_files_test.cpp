#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <fstream>
#include <vector>

#include "app/dialogs/recent_menu.h"
#include "settings/memory_settings.h"
#include "support/pixel_grid.h"

namespace pixmint::app {
namespace {

std::vector<std::string> Slots(const KRecentFile& list) {
  std::vector<std::string> names;
  for (int i = 0; i < KRecentFile::kSlots; ++i) names.push_back(list.FileName(i));
  return names;
}

struct AddCase {
  std::vector<std::string> added;
  std::vector<std::string> expected;
};

TEST(KRecentFile, AddKeepsOrderDropsOldestAndIgnoresRepeats) {
  const std::vector<AddCase> cases = {
      {{"A", "B", "C", "D", "E", "F"}, {"B", "C", "D", "E", "F"}},      {{"A", "B", "A"}, {"A", "B", "", "", ""}},
      {{"/x/a.ico", "/x/A.ICO"}, {"/x/a.ico", "/x/A.ICO", "", "", ""}}, {{"A", "", "B"}, {"A", "B", "", "", ""}},
      {{"A", "B", "C", "D", "E", "C", "G"}, {"B", "C", "D", "E", "G"}},
  };
  for (const auto& c : cases) {
    KRecentFile list;
    for (const auto& name : c.added) list.AddNew(name);
    EXPECT_EQ(Slots(list), c.expected);
    EXPECT_EQ(list.FileCount(), static_cast<int>(std::count_if(c.expected.begin(), c.expected.end(),
                                                               [](const auto& s) { return !s.empty(); })));
  }
  KRecentFile list;
  EXPECT_EQ(list.FileName(-1), "");
  EXPECT_EQ(list.FileName(5), "");
}

TEST(RecentMenu, ShowsFilledSlotsByFileNameAndOpensOnlyExistingFiles) {
  QMenu menu;
  const RecentActions actions = AddRecentActions(menu);
  for (int i = 0; i < KRecentFile::kSlots; ++i) {
    ASSERT_EQ(menu.findChild<QAction*>(QStringLiteral("mnuRecent%1").arg(i)), actions[i]);
  }
  test::TempDir dir;
  const std::string existing = (dir / "R&D.ico").string();
  std::ofstream(existing) << "x";
  KRecentFile list;
  list.AddNew(existing);
  list.AddNew((dir / "gone.cur").string());
  ShowRecentFiles(list, actions);
  EXPECT_TRUE(actions[0]->isVisible());
  EXPECT_EQ(actions[0]->text(), QStringLiteral("R&&D.ico"));
  EXPECT_EQ(actions[1]->text(), QStringLiteral("gone.cur"));
  EXPECT_FALSE(actions[2]->isVisible());

  std::vector<QStringList> started;
  const ProgramStarter record = [&](const QString& program, const QStringList& args) {
    started.push_back(QStringList{program} + args);
    return true;
  };
  EXPECT_TRUE(OpenRecentEntry(list, QStringLiteral("mnuRecent0"), QStringLiteral("/bin/pixmint"), record));
  EXPECT_FALSE(OpenRecentEntry(list, QStringLiteral("mnuRecent1"), QStringLiteral("/bin/pixmint"), record));
  EXPECT_FALSE(OpenRecentEntry(list, QStringLiteral("mnuRecent4"), QStringLiteral("/bin/pixmint"), record));
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0], (QStringList{QStringLiteral("/bin/pixmint"), QString::fromStdString(existing)}));
  EXPECT_EQ(list.FileCount(), 2);
}

}  // namespace
}  // namespace pixmint::app
