#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "app/dialogs/tfrm_animation.h"
#include "document/kv_icon.h"

namespace pixmint::app {
namespace {

using formats::AnimationStep;
using Steps = std::vector<AnimationStep>;

// Three 16 x 16 frames.
struct Frames : document::TKvIcon {
  Frames() {
    SetIcon(false);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(AddImage(16, 16, 32));
  }
};

template <typename W>
W* Child(TfrmAnimation& dialog, const char* name) {
  auto* child = dialog.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

void Click(TfrmAnimation& dialog, const char* button) {
  Child<QPushButton>(dialog, button)->click();
}

bool SameSteps(const Steps& a, const Steps& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].frame != b[i].frame || a[i].jiffies != b[i].jiffies) return false;
  }
  return true;
}

TEST(TfrmAnimation, ButtonsAndBoxesEditTheChosenStep) {
  const Frames frames;
  TfrmAnimation dialog(nullptr, {{0, 10}, {1, 20}, {2, 30}}, frames);
  auto* list = Child<QListWidget>(dialog, "lstSteps");
  ASSERT_EQ(list->count(), 3);
  EXPECT_FALSE(Child<QPushButton>(dialog, "btnUp")->isEnabled());  // the first step cannot rise

  list->setCurrentRow(1);
  EXPECT_EQ(Child<QSpinBox>(dialog, "updFrame")->value(), 2);  // frames count from 1
  EXPECT_EQ(Child<QSpinBox>(dialog, "updJiffies")->value(), 20);
  Click(dialog, "btnUp");
  EXPECT_TRUE(SameSteps(dialog.Steps(), {{1, 20}, {0, 10}, {2, 30}}));
  EXPECT_EQ(list->currentRow(), 0);  // the choice moves with the step
  Click(dialog, "btnDown");
  Click(dialog, "btnDown");
  EXPECT_TRUE(SameSteps(dialog.Steps(), {{0, 10}, {2, 30}, {1, 20}}));
  EXPECT_FALSE(Child<QPushButton>(dialog, "btnDown")->isEnabled());

  // Add copies the chosen step, showing the next frame; the boxes change it.
  list->setCurrentRow(0);
  Click(dialog, "btnAdd");
  EXPECT_TRUE(SameSteps(dialog.Steps(), {{0, 10}, {1, 10}, {2, 30}, {1, 20}}));
  Child<QSpinBox>(dialog, "updFrame")->setValue(3);
  Child<QSpinBox>(dialog, "updJiffies")->setValue(99);
  EXPECT_TRUE(SameSteps(dialog.Steps(), {{0, 10}, {2, 99}, {2, 30}, {1, 20}}));
  EXPECT_TRUE(list->item(1)->text().contains(QStringLiteral("99")));

  Click(dialog, "btnAllRates");
  EXPECT_TRUE(SameSteps(dialog.Steps(), {{0, 99}, {2, 99}, {2, 99}, {1, 99}}));
  Click(dialog, "btnInOrder");
  EXPECT_TRUE(SameSteps(dialog.Steps(), {{0, 99}, {1, 99}, {2, 99}}));

  // Removing stops at one step: an animation always plays something.
  for (int i = 0; i < 5; ++i) Click(dialog, "btnRemove");
  EXPECT_EQ(dialog.Steps().size(), 1U);
  EXPECT_FALSE(Child<QPushButton>(dialog, "btnRemove")->isEnabled());
}

TEST(TfrmAnimation, StepsFromAFileAreHeldToWhatTheDialogCanShow) {
  const Frames frames;
  // A step naming a frame that is not there, a zero and a huge time.
  TfrmAnimation dialog(nullptr, {{7, 0}, {1, 1'000'000}}, frames);
  EXPECT_TRUE(SameSteps(dialog.Steps(), {{0, 1}, {1, 3600}}));
  TfrmAnimation empty(nullptr, {}, frames);
  EXPECT_EQ(empty.Steps().size(), 1U);
}

TEST(TfrmAnimation, TypedTimeAndReturnConfirm) {
  const Frames frames;
  TfrmAnimation dialog(nullptr, {{0, 10}, {1, 20}}, frames);
  dialog.show();
  auto* jiffies = Child<QSpinBox>(dialog, "updJiffies");
  jiffies->setFocus();
  jiffies->selectAll();
  QTest::keyClicks(jiffies, QStringLiteral("45"));
  // Return in a box presses OK, not the first button (a disabled Up).
  QTest::keyClick(jiffies, Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(SameSteps(dialog.Steps(), {{0, 45}, {1, 20}}));
}

TEST(TfrmAnimation, PreviewPlaysTheStepsAtTheirTimes) {
  const Frames frames;
  TfrmAnimation dialog(nullptr, {{0, 1}, {2, 1}}, frames);  // a sixtieth of a second each
  EXPECT_EQ(dialog.PreviewStep(), 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.PreviewStep() == 1; }, 2000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.PreviewStep() == 0; }, 2000));
}

}  // namespace
}  // namespace pixmint::app
