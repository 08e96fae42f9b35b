#include "app/dialogs/tfrm_extract.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryFile>
#include <QVBoxLayout>

#include "app/dialogs/dialog_buttons.h"
#include "app/dialogs/icon_preview.h"
#include "app/dialogs/qt_texts.h"
#include "document/file_io.h"
#include "document/kv_icon.h"
#include "formats/pe_writer.h"

namespace pixmint::app {
namespace {

constexpr int kThumbnailSide = 48;

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QString Extension(const formats::IconGroup& group) {
  return group.kind == formats::GroupKind::kIcon ? QStringLiteral(".ico") : QStringLiteral(".cur");
}

// The group's largest image, no larger than a list icon.
QPixmap Thumbnail(const document::TKvIcon& icon) {
  const QImage image = PreviewImage(icon, LargestImage(icon), 1);
  if (image.isNull()) return {};
  const QImage fitted =
      image.width() > kThumbnailSide || image.height() > kThumbnailSide
          ? image.scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)
          : image;
  return QPixmap::fromImage(fitted);
}

}  // namespace

GroupOpener TemporaryFileOpener(QString editorProgram, ProgramStarter starter) {
  return [editorProgram, starter](const std::vector<std::uint8_t>& file, bool cursor, const QString& name) {
    QTemporaryFile temp(
        QDir(QDir::tempPath())
            .filePath(name + QStringLiteral("-XXXXXX") + (cursor ? QStringLiteral(".cur") : QStringLiteral(".ico"))));
    // The new instance owns the file from here on.
    temp.setAutoRemove(false);
    if (!temp.open() || temp.write(reinterpret_cast<const char*>(file.data()), static_cast<qint64>(file.size())) !=
                            static_cast<qint64>(file.size())) {
      temp.remove();
      return false;
    }
    temp.close();
    return starter && starter(editorProgram, {temp.fileName()});
  };
}

TfrmExtract::TfrmExtract(QWidget* parent, ExtractRequest request) : QDialog(parent), request_(std::move(request)) {
  setObjectName(QStringLiteral("TfrmExtract"));
  setWindowTitle(T(texts::kExtractCaption));
  if (!request_.starter) request_.starter = DetachedStarter();
  if (!request_.opener) request_.opener = TemporaryFileOpener(request_.editorProgram, request_.starter);
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(T(texts::kExtractProgram)));
  edtProgram_ = Named(new QLineEdit, "edtProgram");
  edtProgram_->setReadOnly(true);
  top->addWidget(edtProgram_, 1);
  auto* open = Named(new QPushButton(T(texts::kExtractOpen)), "btnOpenProgram");
  top->addWidget(open);
  layout->addLayout(top);
  layout->addWidget(new QLabel(T(texts::kExtractGroups)));
  lvwGroups_ = Named(new QListWidget, "lvwGroups");
  lvwGroups_->setIconSize(QSize(kThumbnailSide, kThumbnailSide));
  layout->addWidget(lvwGroups_, 1);
  lblStatus_ = Named(new QLabel, "lblStatus");
  lblStatus_->setWordWrap(true);
  layout->addWidget(lblStatus_);
  auto* buttons = new QHBoxLayout;
  btnSaveGroup_ = Named(new QPushButton(T(texts::kExtractSave)), "btnSaveGroup");
  btnOpenGroup_ = Named(new QPushButton(T(texts::kExtractOpenGroup)), "btnOpenGroup");
  btnReplaceGroup_ = Named(new QPushButton(T(texts::kExtractReplace)), "btnReplaceGroup");
  auto* close = Named(new QPushButton(T(texts::kExtractClose)), "btnClose");
  for (QPushButton* b : {btnSaveGroup_, btnOpenGroup_, btnReplaceGroup_}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addLayout(buttons);
  SetMainButton(this, nullptr);

  connect(open, &QPushButton::clicked, this, [this] {
    if (openChooser_) {
      const QString file = openChooser_();
      if (!file.isEmpty()) OpenProgram(file);
    }
  });
  connect(btnSaveGroup_, &QPushButton::clicked, this, [this] { SaveGroup(); });
  connect(btnOpenGroup_, &QPushButton::clicked, this, [this] { OpenGroup(); });
  connect(btnReplaceGroup_, &QPushButton::clicked, this, [this] { ReplaceGroup(); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(lvwGroups_, &QListWidget::currentRowChanged, this, [this] { UpdateEnabled(); });
  openChooser_ = [this] {
    return QFileDialog::getOpenFileName(this, T(texts::kExtractCaption), {}, T(texts::kExtractFilter));
  };
  saveChooser_ = [this](const QString& suggested, const QString& filter) {
    return QFileDialog::getSaveFileName(this, T(texts::kExtractCaption), suggested, filter);
  };
  resize(560, 440);
  if (!request_.programFile.isEmpty()) OpenProgram(request_.programFile);
  UpdateEnabled();
}

TfrmExtract::~TfrmExtract() = default;

bool TfrmExtract::OpenProgram(const QString& file) {
  program_.reset();
  lvwGroups_->clear();
  file_ = QFileInfo(file).absoluteFilePath();
  edtProgram_->setText(file_);
  texts::Failure why{texts::Fail::kCannotReadTheFile};
  if (auto bytes = document::ReadWholeFile(file.toStdString(), formats::kMaxProgramBytes)) {
    if (auto read = formats::ProgramFile::Read(std::move(*bytes))) {
      program_ = *std::move(read);
    } else {
      why = read.error();
    }
  }
  if (!program_) {
    lblStatus_->setText(QFileInfo(file).fileName() + QStringLiteral(": ") +
                        QString::fromStdString(texts::Message(why)));
    UpdateEnabled();
    return false;
  }
  FillGroups();
  lblStatus_->setText(program_->Groups().empty() ? T(texts::kExtractNoGroups) : QString());
  UpdateEnabled();
  return true;
}

void TfrmExtract::FillGroups() {
  for (const formats::IconGroup& group : program_->Groups()) {
    const QString label = QString::fromStdString(formats::GroupLabel(group));
    std::string why;
    document::TKvIcon icon;
    const auto file = program_->GroupFile(group);
    texts::Result<void> loaded =
        file ? icon.LoadFromMemory(*file, label.toStdString()) : texts::Result<void>(file.error());
    if (!loaded) why = texts::Message(loaded.error());
    auto* item = new QListWidgetItem;
    if (loaded) {
      const char* format =
          group.kind == formats::GroupKind::kIcon ? texts::kExtractIconGroup : texts::kExtractCursorGroup;
      // One multi-argument arg(): a group's name from the file may itself hold "%2".
      item->setText(T(format).arg(label, QString::number(group.language), QString::number(icon.ImageCount())));
      item->setIcon(Thumbnail(icon));
    } else {
      item->setText(T(texts::kExtractUnreadable).arg(label, QString::fromStdString(why)));
    }
    lvwGroups_->addItem(item);
  }
  if (lvwGroups_->count() > 0) lvwGroups_->setCurrentRow(0);
}

const formats::IconGroup* TfrmExtract::Selected() const {
  const int row = lvwGroups_->currentRow();
  if (!program_ || row < 0 || row >= static_cast<int>(program_->Groups().size())) return nullptr;
  return &program_->Groups()[static_cast<std::size_t>(row)];
}

std::optional<std::vector<std::uint8_t>> TfrmExtract::SelectedGroupFile() const {
  const formats::IconGroup* group = Selected();
  if (group == nullptr) return std::nullopt;
  auto file = program_->GroupFile(*group);
  if (!file) return std::nullopt;
  return *std::move(file);
}

QString TfrmExtract::SuggestedName(const formats::IconGroup& group) const {
  return QFileInfo(file_).completeBaseName() + QLatin1Char('-') + QString::fromStdString(formats::GroupLabel(group));
}

QString TfrmExtract::StatusText() const {
  return lblStatus_->text();
}

bool TfrmExtract::SaveGroup() {
  const formats::IconGroup* group = Selected();
  const auto bytes = SelectedGroupFile();
  if (group == nullptr || !bytes || !saveChooser_) return false;
  const QString suggested = QFileInfo(file_).dir().filePath(SuggestedName(*group) + Extension(*group));
  QString target = saveChooser_(suggested, QLatin1Char('*') + Extension(*group));
  if (target.isEmpty()) return false;
  // A bare name gets the group's type, as the window's save dialogs give it.
  if (QFileInfo(target).suffix().isEmpty()) target += Extension(*group);
  if (!document::WriteFileAtomically(target.toStdString(), *bytes)) {
    lblStatus_->setText(T(texts::kPicToIcoSaveFailed).arg(target));
    return false;
  }
  lblStatus_->setText(T(texts::kPicToIcoSaved).arg(target));
  return true;
}

bool TfrmExtract::OpenGroup() {
  const formats::IconGroup* group = Selected();
  const auto bytes = SelectedGroupFile();
  if (group == nullptr || !bytes) return false;
  return request_.opener(*bytes, group->kind == formats::GroupKind::kCursor, SuggestedName(*group));
}

bool TfrmExtract::ReplaceGroup() {
  const formats::IconGroup* group = Selected();
  if (group == nullptr || request_.document == nullptr || !saveChooser_) return false;
  if (request_.document->IsIcon() != (group->kind == formats::GroupKind::kIcon)) {
    lblStatus_->setText(T(texts::kExtractKindMismatch));
    return false;
  }
  const QFileInfo source(file_);
  const QString target =
      saveChooser_(source.dir().filePath(source.completeBaseName() + QStringLiteral("-new.") + source.suffix()),
                   QStringLiteral("*.") + source.suffix());
  if (target.isEmpty()) return false;
  if (QFileInfo(target).absoluteFilePath() == file_ ||
      (QFileInfo::exists(target) && QFileInfo(target).canonicalFilePath() == source.canonicalFilePath())) {
    lblStatus_->setText(T(texts::kExtractSameFile));
    return false;
  }
  if (request_.settle) request_.settle();
  const auto bytes = request_.document->SaveToMemory();
  if (!bytes) return false;
  const auto written = formats::ReplaceGroup(*program_, group->name, *bytes);
  if (!written) {
    lblStatus_->setText(QString::fromStdString(texts::Message(written.error())));
    return false;
  }
  if (!document::WriteFileAtomically(target.toStdString(), *written)) {
    lblStatus_->setText(T(texts::kPicToIcoSaveFailed).arg(target));
    return false;
  }
  lblStatus_->setText(T(texts::kExtractWritten).arg(target));
  return true;
}

void TfrmExtract::UpdateEnabled() {
  const bool chosen = Selected() != nullptr;
  btnSaveGroup_->setEnabled(chosen);
  btnOpenGroup_->setEnabled(chosen);
  btnReplaceGroup_->setEnabled(chosen && request_.document != nullptr && request_.document->ImageCount() > 0);
}

}  // namespace pixmint::app
