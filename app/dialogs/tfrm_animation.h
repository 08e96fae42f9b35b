#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>
#include <optional>
#include <vector>

#include "formats/animated_cursor.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace pixmint::document {
class TKvIcon;
}

namespace pixmint::app {

class NumberBox;

// The animation's steps: which frame each shows and for how long, in order,
// with a preview that plays them at their times. The frames are the
// document's images; they are edited in the window, not here.
class TfrmAnimation : public QDialog {
  Q_OBJECT

 public:
  TfrmAnimation(QWidget* parent, std::vector<formats::AnimationStep> steps, const document::TKvIcon& frames);

  [[nodiscard]] const std::vector<formats::AnimationStep>& Steps() const { return steps_; }
  // The step the preview shows now.
  [[nodiscard]] int PreviewStep() const { return playing_; }

 private:
  void Rebuild(int select);
  void StepChosen(int row);
  void FrameChanged(int frame);
  void JiffiesChanged(int jiffies);
  void Move(int by);
  void Add();
  void Remove();
  void SameTimeForAll();
  void FramesInOrder();
  void ShowNext();
  void ShowStep(int step);
  void UpdateButtons();

  std::vector<formats::AnimationStep> steps_;
  const document::TKvIcon& frames_;
  std::vector<QImage> pictures_;  // each frame enlarged, as the preview shows it
  QListWidget* list_ = nullptr;
  NumberBox* frame_ = nullptr;
  NumberBox* jiffies_ = nullptr;
  QPushButton* up_ = nullptr;
  QPushButton* down_ = nullptr;
  QPushButton* remove_ = nullptr;
  QLabel* preview_ = nullptr;
  QTimer timer_;
  int playing_ = 0;
  bool filling_ = false;  // the boxes are being set from the list, not by the user
};

// The steps as confirmed, or nothing when cancelled.
[[nodiscard]] std::optional<std::vector<formats::AnimationStep>> RunAnimationDialog(
    QWidget* parent, const std::vector<formats::AnimationStep>& steps, const document::TKvIcon& frames);

}  // namespace pixmint::app
