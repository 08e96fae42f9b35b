#include "app/dialogs/tfrm_sizes.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "app/dialogs/dialog_buttons.h"
#include "app/dialogs/place_widget.h"
#include "app/dialogs/qt_texts.h"

namespace pixmint::app {
namespace {

constexpr int kSizes[] = {16, 20, 24, 32, 40, 48, 64, 96, 128, 256};
constexpr int kTicked[] = {24, 32, 48, 64, 96};

bool Contains(const auto& list, int v) {
  return std::find(std::begin(list), std::end(list), v) != std::end(list);
}

}  // namespace

TfrmSizes::TfrmSizes(QWidget* parent, const std::vector<int>& present) : QDialog(parent), present_(present) {
  setObjectName(QStringLiteral("TfrmSizes"));
  setWindowTitle(T(texts::kSizesCaption));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(300, 210);
  Place(this, "Label1", {12, 8, 276, 18}, new QLabel(T(texts::kSizesPrompt)));
  int k = 0;
  for (const int side : kSizes) {
    const bool has = Contains(present_, side);
    const QString text = has ? T(texts::kSizesHave).arg(side) : QStringLiteral("%1 x %1").arg(side);
    const QByteArray name = "chkSize" + QByteArray::number(side);
    auto* box = Place(this, name.constData(), {20 + (k % 2) * 140, 32 + (k / 2) * 24, 130, 20}, new QCheckBox(text));
    box->setChecked(has || Contains(kTicked, side));
    box->setEnabled(!has);
    boxes_.emplace_back(side, box);
    ++k;
  }
  auto* hint = Place(this, "Label2", {12, 152, 276, 30}, new QLabel(T(texts::kSizesHint)));
  hint->setWordWrap(true);
  auto* ok = Place(this, "btnOk", {124, 182, 80, 24}, new QPushButton(T(texts::kOk)));
  auto* cancel = Place(this, "btnCancel", {210, 182, 80, 24}, new QPushButton(T(texts::kCancel)));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  SetMainButton(this, ok);
}

std::vector<int> TfrmSizes::Chosen() const {
  std::vector<int> chosen;
  for (const auto& [side, box] : boxes_) {
    if (box->isChecked() && !Contains(present_, side)) chosen.push_back(side);
  }
  return chosen;
}

std::optional<std::vector<int>> RunSizesDialog(QWidget* parent, const std::vector<int>& present) {
  TfrmSizes dialog(parent, present);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Chosen();
}

}  // namespace pixmint::app
