#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "app/dialogs/tfrm_animation.h"
#include "document/kv_icon.h"

namespace pixmint::app {
namespace {

using Steps = std::vector<std::pair<std::uint32_t, std::uint32_t>>;  // frame, jiffies

// A dialog on three 16 x 16 frames.
struct AnimationDialog {
  explicit AnimationDialog(const Steps& steps) {
    frames.SetIcon(false);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(frames.AddImage(16, 16, 32));
    std::vector<formats::AnimationStep> given;
    for (const auto& [frame, jiffies] : steps) given.push_back({frame, jiffies});
    dialog = std::make_unique<TfrmAnimation>(nullptr, given, frames);
  }
  Steps Now() const {
    Steps now;
    for (const formats::AnimationStep& s : dialog->Steps()) now.emplace_back(s.frame, s.jiffies);
    return now;
  }
  template <typename W = QPushButton>
  W* Child(const char* name) {
    auto* child = dialog->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  void Click(const char* button) { Child(button)->click(); }
  document::TKvIcon frames;
  std::unique_ptr<TfrmAnimation> dialog;
};

TEST(TfrmAnimation, ButtonsAndBoxesEditTheChosenStep) {
  AnimationDialog d({{0, 10}, {1, 20}, {2, 30}});
  auto* list = d.Child<QListWidget>("lstSteps");
  EXPECT_FALSE(d.Child("btnUp")->isEnabled());  // the first step cannot rise
  list->setCurrentRow(1);
  EXPECT_EQ(d.Child<QSpinBox>("updFrame")->value(), 2);  // frames count from 1
  EXPECT_EQ(d.Child<QSpinBox>("updJiffies")->value(), 20);
  d.Click("btnUp");
  EXPECT_EQ(d.Now(), (Steps{{1, 20}, {0, 10}, {2, 30}}));
  EXPECT_EQ(list->currentRow(), 0);  // the choice moves with the step
  d.Click("btnDown");
  d.Click("btnDown");
  EXPECT_EQ(d.Now(), (Steps{{0, 10}, {2, 30}, {1, 20}}));
  EXPECT_FALSE(d.Child("btnDown")->isEnabled());

  // Add copies the chosen step, showing the next frame; the boxes change it.
  list->setCurrentRow(0);
  d.Click("btnAdd");
  EXPECT_EQ(d.Now(), (Steps{{0, 10}, {1, 10}, {2, 30}, {1, 20}}));
  d.Child<QSpinBox>("updFrame")->setValue(3);
  d.Child<QSpinBox>("updJiffies")->setValue(99);
  EXPECT_EQ(d.Now(), (Steps{{0, 10}, {2, 99}, {2, 30}, {1, 20}}));
  EXPECT_TRUE(list->item(1)->text().contains(QStringLiteral("99")));
  d.Click("btnAllRates");
  EXPECT_EQ(d.Now(), (Steps{{0, 99}, {2, 99}, {2, 99}, {1, 99}}));
  d.Click("btnInOrder");
  EXPECT_EQ(d.Now(), (Steps{{0, 99}, {1, 99}, {2, 99}}));

  // Removing stops at one step: an animation always plays something.
  for (int i = 0; i < 5; ++i) d.Click("btnRemove");
  EXPECT_EQ(d.Now().size(), 1U);
  EXPECT_FALSE(d.Child("btnRemove")->isEnabled());
}

// Steps from a file are held to what the dialog can show: a frame that is
// not there, a zero and a huge time, no step at all.
TEST(TfrmAnimation, StepsFromAFileAreHeldToWhatTheDialogCanShow) {
  EXPECT_EQ(AnimationDialog({{7, 0}, {1, 1'000'000}}).Now(), (Steps{{0, 1}, {1, 3600}}));
  EXPECT_EQ(AnimationDialog({}).Now().size(), 1U);
}

// A typed time, and Return in a box presses OK, not the first button (a
// disabled Up); the preview plays the steps at their times.
TEST(TfrmAnimation, TypedTimeReturnConfirmsAndThePreviewPlays) {
  AnimationDialog d({{0, 1}, {2, 1}});  // a sixtieth of a second each
  EXPECT_TRUE(QTest::qWaitFor([&] { return d.dialog->PreviewStep() == 1; }, 2000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return d.dialog->PreviewStep() == 0; }, 2000));
  d.dialog->show();
  auto* jiffies = d.Child<QSpinBox>("updJiffies");
  jiffies->setFocus();
  jiffies->selectAll();
  QTest::keyClicks(jiffies, QStringLiteral("45"));
  QTest::keyClick(jiffies, Qt::Key_Return);
  EXPECT_EQ(d.dialog->result(), QDialog::Accepted);
  EXPECT_EQ(d.Now(), (Steps{{0, 45}, {2, 1}}));
}

}  // namespace
}  // namespace pixmint::app
