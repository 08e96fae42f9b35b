// The command list is the one source of menus, buttons, shortcuts and script
// verbs: it must name each thing once, and its needs must hold on every path.
#include <set>

#include "editor/commands.h"
#include "editor_fixture.h"
#include "tools/tool_table.h"

namespace pixmint::editor::test {
namespace {

TEST(CommandList, EveryCommandOnceAndEveryNameUnique) {
  std::set<std::string_view> controls, verbs, keys;
  for (const tools::ToolInfo& tool : tools::ToolTable()) controls.insert(tool.button);
  std::set<CommandId> named;
  for (const CommandInfo& c : Commands()) {
    if (c.id != CommandId::kUnnamed) {
      EXPECT_TRUE(named.insert(c.id).second);
      EXPECT_EQ(&FindCommand(c.id), &c);
    }
    for (std::string_view name : {c.menuItem, c.button, c.popupItem, c.extra}) {
      if (!name.empty()) {
        EXPECT_TRUE(controls.insert(name).second) << name;
      }
    }
    if (!c.verb.empty()) {
      EXPECT_TRUE(verbs.insert(c.verb).second) << c.verb;
    }
    std::string_view rest = c.shortcuts;
    while (!rest.empty()) {
      const std::size_t cut = rest.find(';');
      EXPECT_TRUE(keys.insert(rest.substr(0, cut)).second) << rest.substr(0, cut);
      rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
    }
    EXPECT_EQ(c.menu != MenuId::kNone, c.caption != nullptr) << c.menuItem;
    EXPECT_EQ(!c.popupItem.empty(), c.popupCaption != nullptr) << c.popupItem;
    EXPECT_FALSE(c.menuItem.empty() && c.button.empty() && c.popupItem.empty()) << "reachable";
    if (!c.menuItem.empty() || !c.button.empty()) {
      EXPECT_EQ(FindCommandByControl(c.menuItem.empty() ? c.button : c.menuItem), &c);
    }
  }
  EXPECT_EQ(named.size(), static_cast<std::size_t>(CommandId::kCheck) + 1);
  for (PopupId popup : {PopupId::kCanvas, PopupId::kImageList}) {
    for (const auto& slot : PopupLayout(popup)) {
      if (slot) {
        EXPECT_FALSE(FindCommand(*slot).popupItem.empty());
      }
    }
  }
  for (const auto& slot : ToolBarLayout()) {
    if (slot) {
      EXPECT_TRUE(FindCommand(*slot).button.starts_with("tbtn"));
    }
  }
}

// Before a document is open, or in Alpha mode, a command whose needs are not
// met reports itself disabled and changes nothing from any path.
TEST_F(EditorTest, DisabledCommandsDoNothing) {
  for (int phase = 0; phase < 2; ++phase) {
    if (phase == 1) {
      StartIcon(8, 8, 32);
      Pencil(kRed);
      Click(1, 1);
      ASSERT_TRUE(ws.Run(CommandId::kModeAlpha));
    }
    for (const CommandInfo& c : Commands()) {
      if (ws.IsEnabled(c.id) || c.id == CommandId::kModeRgb) continue;
      const std::size_t dialogs = host.PendingAnswers() + host.messages.size() + host.fileDialogs.size();
      const std::size_t images = Doc().ImageCount();
      const bool hadFloat = S().HasFloat;
      EXPECT_FALSE(ws.Run(c)) << c.menuItem << c.button;
      if (!c.menuItem.empty()) {
        EXPECT_FALSE(ws.RunControl(c.menuItem));
      }
      EXPECT_EQ(host.PendingAnswers() + host.messages.size() + host.fileDialogs.size(), dialogs);
      EXPECT_EQ(Doc().ImageCount(), images);
      EXPECT_EQ(S().HasFloat, hadFloat);
      EXPECT_TRUE(host.shellCommands.empty());
    }
  }
  EXPECT_FALSE(ws.RunControl("btnBrush")) << "only the pencil and line paint alpha";
}

}  // namespace
}  // namespace pixmint::editor::test
