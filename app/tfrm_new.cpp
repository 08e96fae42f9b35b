#include "app/tfrm_new.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/dialogs/number_box.h"
#include "app/dialogs/qt_texts.h"
#include "settings/settings.h"

namespace pixmint::app {
namespace {

constexpr int kSizes[4] = {16, 24, 32, 48};
constexpr int kDepths[6] = {1, 4, 8, 16, 24, 32};
constexpr const char* kSizeNames[4] = {"rdoSiz16x16", "rdoSiz24x24", "rdoSiz32x32", "rdoSiz48x48"};
constexpr const char* kSizeTexts[4] = {texts::kSiz16, texts::kSiz24, texts::kSiz32, texts::kSiz48};
constexpr const char* kDepthNames[6] = {"rdoClr1bpp",  "rdoClr4bpp",  "rdoClr8bpp",
                                        "rdoClr16bpp", "rdoClr24bpp", "rdoClr32bpp"};
constexpr const char* kDepthTexts[6] = {texts::kClr1,  texts::kClr4,  texts::kClr8,
                                        texts::kClr16, texts::kClr24, texts::kClr32};

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

}  // namespace

TfrmNew::TfrmNew(Settings& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
  setObjectName(QStringLiteral("TfrmNew"));
  auto* layout = new QVBoxLayout(this);
  auto* groups = new QHBoxLayout;
  layout->addLayout(groups);
  BuildSizeGroup();
  BuildColourGroup();
  groups->addWidget(findChild<QGroupBox*>(QStringLiteral("GroupBox1")));
  groups->addWidget(findChild<QGroupBox*>(QStringLiteral("GroupBox3")));
  auto* buttons = new QHBoxLayout;
  auto* setDefault = Named(new QPushButton(T(texts::kSetDefault), this), "btnDefault");
  auto* ok = Named(new QPushButton(T(texts::kNewOk), this), "btnOk");
  auto* cancel = Named(new QPushButton(T(texts::kNewCancel), this), "btnCancel");
  ok->setDefault(true);
  buttons->addWidget(setDefault);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  connect(setDefault, &QPushButton::clicked, this, &TfrmNew::StoreDefaults);
  connect(ok, &QPushButton::clicked, this, &TfrmNew::Accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  LoadDefaults();
}

void TfrmNew::BuildSizeGroup() {
  auto* group = Named(new QGroupBox(T(texts::kNewSizeGroup), this), "GroupBox1");
  auto* column = new QVBoxLayout(group);
  auto* exclusive = new QButtonGroup(group);
  for (int i = 0; i < 4; ++i) {
    sizes_[i] = Named(new QRadioButton(T(kSizeTexts[i]), group), kSizeNames[i]);
    exclusive->addButton(sizes_[i]);
    column->addWidget(sizes_[i]);
    connect(sizes_[i], &QRadioButton::clicked, this, [this, i] {
      if (sizes_[i]->isChecked()) format_.width = format_.height = kSizes[i];
    });
  }
  custom_ = Named(new QRadioButton(T(texts::kSizCustom), group), "rdoSizCustom");
  exclusive->addButton(custom_);
  column->addWidget(custom_);
  connect(custom_, &QRadioButton::toggled, this, &TfrmNew::CustomToggled);
  customGroup_ = Named(new QGroupBox(T(texts::kCustomGroup), group), "grpCustom");
  auto* grid = new QGridLayout(customGroup_);
  widthLabel_ = Named(new QLabel(T(texts::kWidth), customGroup_), "labWidth");
  heightLabel_ = Named(new QLabel(T(texts::kHeight), customGroup_), "labHeight");
  width_ = Named(new NumberBox(customGroup_), "updWidth");
  height_ = Named(new NumberBox(customGroup_), "updHeight");
  for (QSpinBox* box : {width_, height_}) {
    box->setRange(8, 128);
    box->setValue(32);
    box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  }
  quadrate_ = Named(new QCheckBox(T(texts::kQuadrate), customGroup_), "ckbQuadrate");
  quadrate_->setChecked(true);
  grid->addWidget(widthLabel_, 0, 0);
  grid->addWidget(width_, 0, 1);
  grid->addWidget(heightLabel_, 1, 0);
  grid->addWidget(height_, 1, 1);
  grid->addWidget(quadrate_, 2, 0, 1, 2);
  column->addWidget(customGroup_);
  connect(width_, &QSpinBox::valueChanged, this, &TfrmNew::WidthEdited);
  connect(height_, &QSpinBox::valueChanged, this, &TfrmNew::HeightEdited);
  CustomToggled(false);
}

void TfrmNew::BuildColourGroup() {
  auto* group = Named(new QGroupBox(T(texts::kColourGroup), this), "GroupBox3");
  auto* column = new QVBoxLayout(group);
  auto* exclusive = new QButtonGroup(group);
  for (int i = 0; i < 6; ++i) {
    depths_[i] = Named(new QRadioButton(T(kDepthTexts[i]), group), kDepthNames[i]);
    exclusive->addButton(depths_[i]);
    column->addWidget(depths_[i]);
    connect(depths_[i], &QRadioButton::clicked, this, [this, i] {
      if (depths_[i]->isChecked()) format_.bitCount = kDepths[i];
    });
  }
  column->addStretch();
}

void TfrmNew::LoadDefaults() {
  const int size = settings_.RegReadInt("DefaultIconSize");
  int sizeIndex = 3;
  for (int i = 0; i < 4; ++i) {
    if (size == kSizes[i]) sizeIndex = i;
  }
  if (size == 1) {
    custom_->setChecked(true);
    format_.width = format_.height = 32;
  } else {
    sizes_[sizeIndex]->setChecked(true);
    format_.width = format_.height = kSizes[sizeIndex];
  }
  // An unknown stored depth shows and uses 8 bits, so that the radio shown
  // and the depth made always agree.
  const int depth = settings_.RegReadInt("DefaultIconBpp");
  int depthIndex = 2;
  for (int i = 0; i < 6; ++i) {
    if (depth == kDepths[i]) depthIndex = i;
  }
  depths_[depthIndex]->setChecked(true);
  format_.bitCount = kDepths[depthIndex];
}

void TfrmNew::CustomToggled(bool checked) {
  for (QWidget* widget :
       std::initializer_list<QWidget*>{customGroup_, widthLabel_, heightLabel_, width_, height_, quadrate_}) {
    widget->setEnabled(checked);
  }
}

void TfrmNew::WidthEdited() {
  if (quadrate_->isChecked() && height_->value() != width_->value()) height_->setValue(width_->value());
}

void TfrmNew::HeightEdited() {
  if (quadrate_->isChecked() && width_->value() != height_->value()) width_->setValue(height_->value());
}

void TfrmNew::Accept() {
  format_.width = width_->value();
  format_.height = height_->value();
  for (int i = 0; i < 4; ++i) {
    if (sizes_[i]->isChecked()) format_.width = format_.height = kSizes[i];
  }
  format_.bitCount = CheckedDepth();
  accept();
}

int TfrmNew::CheckedDepth() const {
  for (int i = 0; i < 6; ++i) {
    if (depths_[i]->isChecked()) return kDepths[i];
  }
  return 8;
}

void TfrmNew::StoreDefaults() {
  int size = 48;
  if (custom_->isChecked()) size = width_->value();
  for (int i = 0; i < 4; ++i) {
    if (sizes_[i]->isChecked()) size = kSizes[i];
  }
  settings_.RegWriteInt("DefaultIconSize", size);
  settings_.RegWriteInt("DefaultIconBpp", CheckedDepth());
}

void TfrmNew::keyPressEvent(QKeyEvent* event) {
  // Escape closes on its release, like the rest of the dialog's keys.
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

void TfrmNew::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    reject();
    return;
  }
  QDialog::keyReleaseEvent(event);
}

}  // namespace pixmint::app
