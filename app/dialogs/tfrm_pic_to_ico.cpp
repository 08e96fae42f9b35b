#include "app/dialogs/tfrm_pic_to_ico.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/dialogs/dialog_buttons.h"
#include "app/dialogs/icon_preview.h"
#include "app/dialogs/qt_texts.h"
#include "document/ico_writer.h"
#ifdef PIXMINT_HAVE_SVG
#include "app/svg/qt_svg_loader.h"
#endif

namespace pixmint::app {
namespace {

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

constexpr int kSizeColumns = 4;

}  // namespace

TfrmPicToIco::TfrmPicToIco(QWidget* parent, PicToIcoRequest request) : QDialog(parent), request_(std::move(request)) {
  setObjectName(QStringLiteral("TfrmPicToIco"));
  setWindowTitle(T(texts::kPicToIcoCaption));
  if (!request_.starter) request_.starter = DetachedStarter();
#ifdef PIXMINT_HAVE_SVG
  if (request_.svg == nullptr) {
    ownSvg_ = std::make_unique<svg::QtSvgLoader>();
    request_.svg = ownSvg_.get();
  }
#endif
  auto* top = new QHBoxLayout;
  top->addWidget(BuildMasters(), 1);
  top->addWidget(BuildOptions(), 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(BuildPreview(), 1);
  layout->addWidget(BuildButtons());
  SetMainButton(this, btnSave_);
  openChooser_ = [this] {
    return QFileDialog::getOpenFileNames(this, T(texts::kPicToIcoCaption), {}, T(texts::kPicToIcoFilter));
  };
  saveChooser_ = [this](const QString& suggested, bool cursor) {
    return QFileDialog::getSaveFileName(this, T(texts::kPicToIcoCaption), suggested,
                                        cursor ? QStringLiteral("*.cur") : QStringLiteral("*.ico"));
  };
  resize(860, 640);
  UpdateEnabled();
}

TfrmPicToIco::~TfrmPicToIco() = default;

QWidget* TfrmPicToIco::BuildMasters() {
  auto* box = new QGroupBox(T(texts::kPicToIcoMasters));
  auto* layout = new QVBoxLayout(box);
  lbxMasters_ = Named(new QListWidget, "lbxMasters");
  layout->addWidget(lbxMasters_);
  auto* buttons = new QHBoxLayout;
  auto* add = Named(new QPushButton(T(texts::kPicToIcoAdd)), "btnAddMaster");
  auto* remove = Named(new QPushButton(T(texts::kPicToIcoRemove)), "btnRemoveMaster");
  buttons->addWidget(add);
  buttons->addWidget(remove);
  layout->addLayout(buttons);
  connect(add, &QPushButton::clicked, this, [this] {
    if (openChooser_) AddMasters(openChooser_());
  });
  connect(remove, &QPushButton::clicked, this, &TfrmPicToIco::RemoveMaster);
  auto* kind = new QHBoxLayout;
  rdoIcon_ = Named(new QRadioButton(T(texts::kPicToIcoIcon)), "rdoIcon");
  rdoCursor_ = Named(new QRadioButton(T(texts::kPicToIcoCursor)), "rdoCursor");
  rdoIcon_->setChecked(true);
  kind->addWidget(rdoIcon_);
  kind->addWidget(rdoCursor_);
  layout->addLayout(kind);
  connect(rdoCursor_, &QRadioButton::toggled, this, [this] { Refresh(); });
  auto* hot = new QHBoxLayout;
  hot->addWidget(new QLabel(T(texts::kPicToIcoHotSpot)));
  updHotX_ = Named(new QSpinBox, "updHotX");
  updHotY_ = Named(new QSpinBox, "updHotY");
  for (QSpinBox* spin : {updHotX_, updHotY_}) {
    spin->setRange(0, 0);
    hot->addWidget(spin);
    connect(spin, &QSpinBox::valueChanged, this, [this] { Refresh(); });
  }
  layout->addLayout(hot);
  return box;
}

QWidget* TfrmPicToIco::BuildOptions() {
  auto* box = new QWidget;
  auto* layout = new QVBoxLayout(box);
  auto* sizes = new QGroupBox(T(texts::kPicToIcoSizes));
  auto* grid = new QGridLayout(sizes);
  for (const int s : convert::kDefaultSizes) {
    const QByteArray name = "chkSize" + QByteArray::number(s);
    auto* check = Named(new QCheckBox(QStringLiteral("%1 x %1").arg(s)), name.constData());
    check->setChecked(true);
    const int k = static_cast<int>(sizeBoxes_.size());
    grid->addWidget(check, k / kSizeColumns, k % kSizeColumns);
    sizeBoxes_.emplace_back(s, check);
    connect(check, &QCheckBox::toggled, this, [this] { Refresh(); });
  }
  const int row = static_cast<int>(sizeBoxes_.size() + kSizeColumns - 1) / kSizeColumns;
  grid->addWidget(new QLabel(T(texts::kPicToIcoMoreSizes)), row, 0);
  edtMoreSizes_ = Named(new QLineEdit, "edtMoreSizes");
  edtMoreSizes_->setPlaceholderText(QStringLiteral("96, 128"));
  grid->addWidget(edtMoreSizes_, row, 1, 1, kSizeColumns - 1);
  connect(edtMoreSizes_, &QLineEdit::editingFinished, this, [this] { Refresh(); });
  layout->addWidget(sizes);

  auto* depths = new QGroupBox(T(texts::kPicToIcoDepths));
  auto* depthRow = new QGridLayout(depths);
  const std::pair<int, const char*> depthItems[] = {
      {32, texts::kPicToIcoDepth32}, {8, texts::kPicToIcoDepth8}, {4, texts::kPicToIcoDepth4}};
  for (const auto& [depth, text] : depthItems) {
    const QByteArray name = "chkDepth" + QByteArray::number(depth);
    auto* check = Named(new QCheckBox(T(text)), name.constData());
    check->setChecked(depth == 32);
    depthRow->addWidget(check, 0, static_cast<int>(depthBoxes_.size()));
    depthBoxes_.emplace_back(depth, check);
    connect(check, &QCheckBox::toggled, this, [this] { Refresh(); });
  }
  depthRow->addWidget(new QLabel(T(texts::kPicToIcoThreshold)), 1, 0);
  updThreshold_ = Named(new QSpinBox, "updThreshold");
  updThreshold_->setRange(0, 255);
  updThreshold_->setValue(convert::kDefaultThreshold);
  depthRow->addWidget(updThreshold_, 1, 1);
  chkDither_ = Named(new QCheckBox(T(texts::kPicToIcoDither)), "chkDither");
  depthRow->addWidget(chkDither_, 1, 2);
  connect(updThreshold_, &QSpinBox::valueChanged, this, [this] { Refresh(); });
  connect(chkDither_, &QCheckBox::toggled, this, [this] { Refresh(); });
  layout->addWidget(depths);
  layout->addStretch();
  return box;
}

QWidget* TfrmPicToIco::BuildPreview() {
  auto* scroll = Named(new QScrollArea, "scrPreview");
  lblPreview_ = Named(new QLabel, "lblPreview");
  lblPreview_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  scroll->setWidget(lblPreview_);
  scroll->setWidgetResizable(true);
  scroll->setMinimumHeight(300);
  return scroll;
}

QWidget* TfrmPicToIco::BuildButtons() {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  lblStatus_ = Named(new QLabel, "lblStatus");
  lblStatus_->setWordWrap(true);
  layout->addWidget(lblStatus_, 1);
  btnSave_ = Named(new QPushButton(T(texts::kPicToIcoSave)), "btnSave");
  btnOpenInEditor_ = Named(new QPushButton(T(texts::kPicToIcoOpen)), "btnOpenInEditor");
  auto* close = Named(new QPushButton(T(texts::kPicToIcoClose)), "btnClose");
  layout->addWidget(btnSave_);
  layout->addWidget(btnOpenInEditor_);
  layout->addWidget(close);
  connect(btnSave_, &QPushButton::clicked, this, [this] { SaveResult(); });
  connect(btnOpenInEditor_, &QPushButton::clicked, this, [this] { OpenInEditor(); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  return row;
}

bool TfrmPicToIco::AddMasters(const QStringList& files) {
  QString failure;
  for (const QString& file : files) {
    auto master = convert::LoadMaster(file.toStdString(), request_.svg);
    if (!master) {
      failure =
          QFileInfo(file).fileName() + QStringLiteral(": ") + QString::fromStdString(texts::Message(master.error()));
      continue;
    }
    lbxMasters_->addItem(QStringLiteral("%1  (%2 x %3)").arg(file).arg(master->Width()).arg(master->Height()));
    masters_.push_back(*std::move(master));
  }
  if (!masters_.empty()) {
    updHotX_->setMaximum(masters_.front().Width() - 1);
    updHotY_->setMaximum(masters_.front().Height() - 1);
  }
  Refresh();
  if (!failure.isEmpty()) lblStatus_->setText(failure);
  return failure.isEmpty();
}

void TfrmPicToIco::RemoveMaster() {
  const int row = lbxMasters_->currentRow();
  if (row < 0 || row >= static_cast<int>(masters_.size())) return;
  delete lbxMasters_->takeItem(row);
  masters_.erase(masters_.begin() + row);
  Refresh();
}

convert::ConvertOptions TfrmPicToIco::Options() const {
  convert::ConvertOptions options;
  options.sizes.clear();
  for (const auto& [size, check] : sizeBoxes_) {
    if (check->isChecked()) options.sizes.push_back(size);
  }
  for (const QString& word :
       edtMoreSizes_->text().split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts)) {
    const int size = word.toInt();
    if (std::find(options.sizes.begin(), options.sizes.end(), size) == options.sizes.end()) {
      options.sizes.push_back(size);
    }
  }
  std::sort(options.sizes.begin(), options.sizes.end());
  options.depths.clear();
  for (const auto& [depth, check] : depthBoxes_) {
    if (check->isChecked()) options.depths.push_back(depth);
  }
  options.cursor = rdoCursor_->isChecked();
  if (options.cursor) options.hotSpot = raster::Point{updHotX_->value(), updHotY_->value()};
  options.threshold = updThreshold_->value();
  options.dither = chkDither_->isChecked();
  return options;
}

void TfrmPicToIco::Refresh() {
  result_.reset();
  previews_.clear();
  saved_.clear();
  lblPreview_->clear();
  lblStatus_->clear();
  if (!masters_.empty()) {
    const convert::ConvertOptions options = Options();
    auto icon = std::make_unique<document::TKvIcon>();
    if (const auto built = convert::BuildIcon(masters_, options, *icon)) {
      result_ = std::move(icon);
      lblPreview_->setPixmap(QPixmap::fromImage(PreviewStrip(*result_, &previews_)));
      QStringList notes;
      for (const convert::SizePlan& plan : convert::PlanSizes(masters_, options.sizes, options.cursor)) {
        if (plan.enlarged) {
          notes << T(texts::kPicToIcoEnlarged).arg(plan.size).arg(QString::fromStdString(masters_[plan.master].Name()));
        }
      }
      lblStatus_->setText(notes.join(QLatin1Char(' ')));
    } else {
      lblStatus_->setText(QString::fromStdString(texts::Message(built.error())));
    }
  }
  UpdateEnabled();
}

QString TfrmPicToIco::StatusText() const {
  return lblStatus_->text();
}

bool TfrmPicToIco::SaveResult() {
  if (!result_ || !saveChooser_) return false;
  const bool cursor = !result_->IsIcon();
  QString suggested = QString::fromStdString(masters_.front().Name());
  suggested = QFileInfo(suggested).completeBaseName() + (cursor ? QStringLiteral(".cur") : QStringLiteral(".ico"));
  QString file = saveChooser_(suggested, cursor);
  if (file.isEmpty()) return false;
  const QString ext = cursor ? QStringLiteral(".cur") : QStringLiteral(".ico");
  if (!file.endsWith(ext, Qt::CaseInsensitive)) file += ext;
  if (!document::WriteIconFile(*result_, file.toStdString())) {
    lblStatus_->setText(T(texts::kPicToIcoSaveFailed).arg(file));
    return false;
  }
  saved_ = QFileInfo(file).absoluteFilePath();
  lblStatus_->setText(T(texts::kPicToIcoSaved).arg(saved_));
  UpdateEnabled();
  return true;
}

bool TfrmPicToIco::OpenInEditor() {
  if (saved_.isEmpty() || request_.editorProgram.isEmpty()) return false;
  return request_.starter(request_.editorProgram, {saved_});
}

void TfrmPicToIco::UpdateEnabled() {
  const bool cursor = rdoCursor_->isChecked();
  updHotX_->setEnabled(cursor && !masters_.empty());
  updHotY_->setEnabled(cursor && !masters_.empty());
  btnSave_->setEnabled(result_ != nullptr);
  btnOpenInEditor_->setEnabled(!saved_.isEmpty());
}

}  // namespace pixmint::app
