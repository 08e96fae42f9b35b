#include "app/dialogs/tfrm_animation.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/dialogs/dialog_buttons.h"
#include "app/dialogs/icon_preview.h"
#include "app/dialogs/number_box.h"
#include "app/dialogs/qt_texts.h"
#include "document/kv_icon.h"

namespace pixmint::app {
namespace {

// Longer than anyone shows one picture of a cursor, and what the file holds.
constexpr int kMostJiffies = 60 * 60;

int Milliseconds(std::uint32_t jiffies) {
  return static_cast<int>((jiffies * 1000 + formats::kJiffiesPerSecond / 2) / formats::kJiffiesPerSecond);
}

QPushButton* Button(const char* name, const char* text) {
  auto* button = new QPushButton(T(text));
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

TfrmAnimation::TfrmAnimation(QWidget* parent, std::vector<formats::AnimationStep> steps,
                             const document::TKvIcon& frames)
    : QDialog(parent), steps_(std::move(steps)), frames_(frames) {
  setObjectName(QStringLiteral("TfrmAnimation"));
  setWindowTitle(T(texts::kAniCaption));
  const int frameCount = static_cast<int>(frames_.ImageCount());
  int side = 1;
  for (int i = 0; i < frameCount; ++i) {
    if (const auto* colour = frames_.XorBitmap(static_cast<std::uint32_t>(i))) {
      side = std::max({side, colour->Width(), colour->Height()});
    }
  }
  // Every frame at one zoom, so that frames of different sizes keep theirs.
  for (int i = 0; i < frameCount; ++i) pictures_.push_back(PreviewImage(frames_, i, PreviewZoom(side)));

  list_ = new QListWidget;
  list_->setObjectName(QStringLiteral("lstSteps"));
  frame_ = new NumberBox;
  frame_->setObjectName(QStringLiteral("updFrame"));
  frame_->setRange(1, std::max(frameCount, 1));
  jiffies_ = new NumberBox;
  jiffies_->setObjectName(QStringLiteral("updJiffies"));
  jiffies_->setRange(1, kMostJiffies);
  up_ = Button("btnUp", texts::kAniUp);
  down_ = Button("btnDown", texts::kAniDown);
  auto* add = Button("btnAdd", texts::kAniAdd);
  remove_ = Button("btnRemove", texts::kAniRemove);
  auto* same = Button("btnAllRates", texts::kAniAllRates);
  auto* order = Button("btnInOrder", texts::kAniInOrder);
  preview_ = new QLabel;
  preview_->setObjectName(QStringLiteral("imgPreview"));
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setMinimumSize(112, 112);
  preview_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* buttons = new QDialogButtonBox;
  auto* ok = buttons->addButton(T(texts::kAniOk), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("btnOK"));
  buttons->addButton(T(texts::kAniCancel), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("btnCancel"));

  auto* boxes = new QFormLayout;
  boxes->addRow(T(texts::kAniFrame), frame_);
  boxes->addRow(T(texts::kAniJiffies), jiffies_);
  auto* moves = new QGridLayout;
  moves->addWidget(up_, 0, 0);
  moves->addWidget(down_, 0, 1);
  moves->addWidget(add, 1, 0);
  moves->addWidget(remove_, 1, 1);
  moves->addWidget(same, 2, 0, 1, 2);
  moves->addWidget(order, 3, 0, 1, 2);
  auto* panel = new QVBoxLayout;
  panel->addLayout(boxes);
  panel->addLayout(moves);
  panel->addWidget(new QLabel(T(texts::kAniPreview)));
  panel->addWidget(preview_, 1);
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(T(texts::kAniSteps)));
  left->addWidget(list_, 1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addLayout(panel);
  auto* all = new QVBoxLayout(this);
  all->addLayout(columns, 1);
  all->addWidget(buttons);
  SetMainButton(this, ok);

  connect(list_, &QListWidget::currentRowChanged, this, &TfrmAnimation::StepChosen);
  connect(frame_, &QSpinBox::valueChanged, this, &TfrmAnimation::FrameChanged);
  connect(jiffies_, &QSpinBox::valueChanged, this, &TfrmAnimation::JiffiesChanged);
  connect(up_, &QPushButton::clicked, this, [this] { Move(-1); });
  connect(down_, &QPushButton::clicked, this, [this] { Move(1); });
  connect(add, &QPushButton::clicked, this, &TfrmAnimation::Add);
  connect(remove_, &QPushButton::clicked, this, &TfrmAnimation::Remove);
  connect(same, &QPushButton::clicked, this, &TfrmAnimation::SameTimeForAll);
  connect(order, &QPushButton::clicked, this, &TfrmAnimation::FramesInOrder);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &TfrmAnimation::ShowNext);

  // Steps naming frames that are gone (never from the editor) show frame 1.
  for (auto& step : steps_) {
    if (static_cast<int>(step.frame) >= frameCount) step.frame = 0;
    step.jiffies = std::clamp<std::uint32_t>(step.jiffies, 1, kMostJiffies);
  }
  if (steps_.empty() && frameCount > 0) steps_.push_back({});
  Rebuild(0);
  ShowStep(0);
}

void TfrmAnimation::Rebuild(int select) {
  filling_ = true;
  list_->clear();
  for (std::size_t i = 0; i < steps_.size(); ++i) {
    list_->addItem(T(texts::kAniStepEntry)
                       .arg(i + 1)
                       .arg(steps_[i].frame + 1)
                       .arg(steps_[i].jiffies)
                       .arg(Milliseconds(steps_[i].jiffies)));
  }
  filling_ = false;
  list_->setCurrentRow(std::clamp(select, 0, static_cast<int>(steps_.size()) - 1));
  UpdateButtons();
}

void TfrmAnimation::StepChosen(int row) {
  if (filling_ || row < 0 || row >= static_cast<int>(steps_.size())) return;
  filling_ = true;
  frame_->setValue(static_cast<int>(steps_[row].frame) + 1);
  jiffies_->setValue(static_cast<int>(steps_[row].jiffies));
  filling_ = false;
  UpdateButtons();
}

void TfrmAnimation::FrameChanged(int frame) {
  const int row = list_->currentRow();
  if (filling_ || row < 0) return;
  steps_[row].frame = static_cast<std::uint32_t>(frame - 1);
  Rebuild(row);
}

void TfrmAnimation::JiffiesChanged(int jiffies) {
  const int row = list_->currentRow();
  if (filling_ || row < 0) return;
  steps_[row].jiffies = static_cast<std::uint32_t>(jiffies);
  Rebuild(row);
}

void TfrmAnimation::Move(int by) {
  const int row = list_->currentRow();
  const int to = row + by;
  if (row < 0 || to < 0 || to >= static_cast<int>(steps_.size())) return;
  std::swap(steps_[row], steps_[to]);
  Rebuild(to);
}

void TfrmAnimation::Add() {
  // A copy of the chosen step, right after it: the usual way to show a
  // frame twice or to start the next one.
  const int row = list_->currentRow();
  if (steps_.size() >= formats::kMaxSteps) return;
  formats::AnimationStep step = row >= 0 ? steps_[row] : formats::AnimationStep{};
  if (row >= 0 && frames_.ImageCount() > 0) step.frame = (step.frame + 1) % frames_.ImageCount();
  steps_.insert(steps_.begin() + (row + 1), step);
  Rebuild(row + 1);
}

void TfrmAnimation::Remove() {
  const int row = list_->currentRow();
  // An animation plays at least one step.
  if (row < 0 || steps_.size() < 2) return;
  steps_.erase(steps_.begin() + row);
  Rebuild(row);
}

void TfrmAnimation::SameTimeForAll() {
  const int row = list_->currentRow();
  if (row < 0) return;
  for (auto& step : steps_) step.jiffies = steps_[row].jiffies;
  Rebuild(row);
}

void TfrmAnimation::FramesInOrder() {
  const int row = list_->currentRow();
  const std::uint32_t jiffies = row >= 0 ? steps_[row].jiffies : formats::kDefaultJiffies;
  steps_.clear();
  for (std::uint32_t i = 0; i < frames_.ImageCount(); ++i) steps_.push_back({i, jiffies});
  Rebuild(0);
}

void TfrmAnimation::UpdateButtons() {
  const int row = list_->currentRow();
  up_->setEnabled(row > 0);
  down_->setEnabled(row >= 0 && row + 1 < static_cast<int>(steps_.size()));
  remove_->setEnabled(steps_.size() > 1);
}

void TfrmAnimation::ShowNext() {
  ShowStep(steps_.empty() ? 0 : (playing_ + 1) % static_cast<int>(steps_.size()));
}

void TfrmAnimation::ShowStep(int step) {
  if (steps_.empty()) return;
  playing_ = std::clamp(step, 0, static_cast<int>(steps_.size()) - 1);
  const std::uint32_t frame = steps_[playing_].frame;
  if (frame < pictures_.size()) preview_->setPixmap(QPixmap::fromImage(pictures_[frame]));
  timer_.start(std::max(Milliseconds(steps_[playing_].jiffies), 1));
}

std::optional<std::vector<formats::AnimationStep>> RunAnimationDialog(QWidget* parent,
                                                                      const std::vector<formats::AnimationStep>& steps,
                                                                      const document::TKvIcon& frames) {
  TfrmAnimation dialog(parent, steps, frames);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Steps();
}

}  // namespace pixmint::app
