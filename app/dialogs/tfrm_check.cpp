#include "app/dialogs/tfrm_check.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/dialogs/dialog_buttons.h"
#include "app/dialogs/icon_preview.h"
#include "app/dialogs/qt_texts.h"
#include "doctor/fix.h"
#include "doctor/picks.h"
#include "formats/animated_cursor.h"

namespace pixmint::app {
namespace {

constexpr int kEntryRole = Qt::UserRole;

QString SeverityText(doctor::Severity severity) {
  switch (severity) {
    case doctor::Severity::kError:
      return T(texts::kError);
    case doctor::Severity::kWarning:
      return T(texts::kCheckWarning);
    case doctor::Severity::kNote:
      break;
  }
  return T(texts::kNote);
}

QString ProgramText(doctor::Program program) {
  switch (program) {
    case doctor::Program::kWindowsCursor:
      return T(texts::kCheckWindowsCursor);
    case doctor::Program::kBrowser:
      return T(texts::kCheckBrowser);
    default:
      return QString::fromUtf8(doctor::ProgramName(program));
  }
}

QString ViewText(doctor::View view) {
  switch (view) {
    case doctor::View::kSmallIcons:
      return T(texts::kCheckSmallIcons);
    case doctor::View::kTaskbar:
      return T(texts::kCheckTaskbar);
    case doctor::View::kAltTab:
      return QStringLiteral("Alt+Tab");
    case doctor::View::kLargeIcons:
      return T(texts::kCheckLargeIcons);
    case doctor::View::kExtraLargeIcons:
      return T(texts::kCheckExtraLargeIcons);
    case doctor::View::kPointer:
      return T(texts::kCheckPointer);
    case doctor::View::kTab:
      return T(texts::kCheckTab);
    case doctor::View::kFileIcon:
      return T(texts::kCheckFileIcon);
    case doctor::View::kIcon:
      break;
  }
  return T(texts::kFileNewIcon);
}

QString ScalingText(const doctor::Pick& pick) {
  if (pick.entry < 0) return T(texts::kCheckNone);
  if (pick.width == pick.shownSize) return T(texts::kCheckExact);
  const double s = pick.Scaling();
  return T(s < 1 ? texts::kCheckDown : texts::kCheckUp).arg(s, 0, 'f', 2);
}

// The image of a finding in the editor's list: the entry of the document,
// or the frame of an animated cursor's part "frameK".
int ImageOf(const doctor::Finding& f) {
  if (f.part.empty()) return f.entry;
  if (f.part.starts_with("frame")) return std::atoi(f.part.c_str() + 5);
  return -1;
}

}  // namespace

TfrmCheck::TfrmCheck(QWidget* parent, CheckRequest request) : QDialog(parent), request_(std::move(request)) {
  setObjectName("TfrmCheck");
  setWindowTitle(T(texts::kCheckTitle));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(T(texts::kCheckFindings)));
  findings_ = new QTreeWidget(this);
  findings_->setObjectName("lvwFindings");
  findings_->setRootIsDecorated(false);
  findings_->setHeaderLabels(
      {T(texts::kCheckWhere), T(texts::kCheckCode), T(texts::kCheckSeverity), T(texts::kCheckMessage)});
  layout->addWidget(findings_, 1);
  layout->addWidget(new QLabel(T(texts::kCheckPicks)));
  picks_ = new QTableWidget(0, 7, this);
  picks_->setObjectName("grdPicks");
  picks_->setHorizontalHeaderLabels({T(texts::kCheckProgram), T(texts::kCheckView), T(texts::kCheckScale),
                                     T(texts::kCheckShownSize), T(texts::kCheckImage), T(texts::kCheckScaling),
                                     T(texts::kCheckShown)});
  picks_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  picks_->verticalHeader()->hide();
  picks_->setTabKeyNavigation(false);  // Tab goes on to the buttons
  layout->addWidget(picks_, 2);
  auto* buttons = new QHBoxLayout;
  status_ = new QLabel(this);
  status_->setObjectName("lblStatus");
  buttons->addWidget(status_, 1);
  fixButton_ = new QPushButton(T(texts::kCheckFix), this);
  fixButton_->setObjectName("btnFix");
  auto* close = new QPushButton(T(texts::kCheckClose), this);
  close->setObjectName("btnClose");
  buttons->addWidget(fixButton_);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(fixButton_, &QPushButton::clicked, this, &TfrmCheck::btnFixClick);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  // Choosing a finding (a click, or the keyboard's selection) shows its
  // image; the focus alone, which makes the first one current, does not.
  connect(findings_, &QTreeWidget::itemSelectionChanged, this, [this] {
    const auto chosen = findings_->selectedItems();
    if (chosen.isEmpty()) return;
    const int image = chosen.front()->data(0, kEntryRole).toInt();
    if (image >= 0 && request_.selectImage) request_.selectImage(image);
  });
  SetMainButton(this, close);
  resize(820, 640);
  Refresh();
}

void TfrmCheck::Refresh() {
  const auto exam = request_.examine ? request_.examine() : std::nullopt;
  findings_->clear();
  picks_->setRowCount(0);
  if (!exam) return;
  FillFindings(*exam);
  FillPicks(*exam);
  // The fix is offered when it would do something.
  bool fixable = false;
  if (const document::TKvIcon* doc = request_.fixable ? request_.fixable() : nullptr;
      doc && !exam->directories.empty()) {
    if (auto copy = formats::CloneIcon(*doc)) {
      const auto lines = doctor::FixDocument(*copy, exam->findings, exam->directories.front().check, {});
      fixable = std::ranges::any_of(lines, &doctor::FixLine::done);
    }
  }
  fixButton_->setEnabled(fixable);
  if (exam->findings.empty()) status_->setText(T(texts::kCheckNothing));
}

void TfrmCheck::FillFindings(const doctor::Examination& exam) {
  for (const doctor::Finding& f : exam.findings) {
    auto* item = new QTreeWidgetItem(findings_);
    item->setText(0, QString::fromStdString(doctor::Where("", f)).remove(0, f.part.empty() ? 0 : 1));
    item->setText(1, QString::fromStdString(f.code));
    item->setText(2, SeverityText(f.severity()));
    item->setText(3, QString::fromStdString(f.message));
    item->setData(0, kEntryRole, ImageOf(f));
  }
  for (int c = 0; c < 3; ++c) findings_->resizeColumnToContents(c);
}

void TfrmCheck::FillPicks(const doctor::Examination& exam) {
  const auto doc = request_.pickedDocument ? request_.pickedDocument() : nullptr;
  if (exam.directories.empty()) return;
  for (const doctor::Pick& pick : doctor::PickEntries(exam.directories.front().check)) {
    const int row = picks_->rowCount();
    picks_->insertRow(row);
    const bool scaled = pick.program == doctor::Program::kWindows || pick.program == doctor::Program::kBrowser;
    const QStringList cells = {
        ProgramText(pick.program),
        ViewText(pick.view),
        scaled ? QString::number(pick.scalePercent) + "%" : QString(),
        QString::number(pick.shownSize),
        pick.entry >= 0 ? QString("#%1 %2 x %3").arg(pick.entry).arg(pick.width).arg(pick.height) : QString(),
        ScalingText(pick)};
    for (int c = 0; c < cells.size(); ++c) picks_->setItem(row, c, new QTableWidgetItem(cells[c]));
    if (doc == nullptr || pick.entry < 0 || pick.entry >= static_cast<int>(doc->ImageCount())) continue;
    // The picked image at the size it is shown, smoothed as programs draw it.
    const QImage image = PreviewImage(*doc, pick.entry, 1);
    if (image.isNull()) continue;
    auto* shown = new QLabel;
    shown->setPixmap(QPixmap::fromImage(
        image.scaled(pick.shownSize, pick.shownSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    picks_->setCellWidget(row, 6, shown);
    picks_->setRowHeight(row, std::max(picks_->rowHeight(row), pick.shownSize + 4));
  }
  picks_->resizeColumnsToContents();
}

void TfrmCheck::btnFixClick() {
  const auto before = request_.examine ? request_.examine() : std::nullopt;
  const document::TKvIcon* doc = request_.fixable ? request_.fixable() : nullptr;
  if (!before || before->directories.empty() || doc == nullptr) return;
  int done = 0, left = 0;
  if (auto copy = formats::CloneIcon(*doc)) {
    for (const auto& line : doctor::FixDocument(*copy, before->findings, before->directories.front().check, {})) {
      (line.done ? done : left)++;
    }
  }
  const bool changed = request_.fix && request_.fix();
  Refresh();
  status_->setText(changed ? T(texts::kCheckFixed).arg(done).arg(left) : T(texts::kCheckFixNothing));
}

}  // namespace pixmint::app
