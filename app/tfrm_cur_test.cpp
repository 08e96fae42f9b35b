#include "app/tfrm_cur_test.h"

#include <QBitmap>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "app/icon_drawing.h"
#include "app/ui_texts.h"
#include "document/kv_icon.h"
#include "editor/workspace.h"

namespace pixmint::app {
namespace {

QString U(const char* text) {
  return QString::fromUtf8(text);
}

}  // namespace

TfrmCurTest::TfrmCurTest(editor::Workspace& workspace, QWidget* parent) : QDialog(parent), workspace_(workspace) {
  setObjectName(QStringLiteral("TfrmCurTest"));
  setWindowTitle(U(texts::kCurTestCaption));
  image_ = std::max(0, workspace_.State().CurrentImage);
  const raster::Picture& work = workspace_.State().WorkBitmap;
  auto* grid = new QGridLayout(this);
  auto* title = new QLabel(U(texts::kCurTestHotSpot), this);
  title->setObjectName(QStringLiteral("Label3"));
  grid->addWidget(title, 0, 0, 1, 2);
  x_ = new QSpinBox(this);
  y_ = new QSpinBox(this);
  x_->setObjectName(QStringLiteral("updX"));
  y_->setObjectName(QStringLiteral("updY"));
  x_->setRange(0, std::max(0, work.Width() - 1));
  y_->setRange(0, std::max(0, work.Height() - 1));
  const document::TKvIcon* icon = workspace_.Document();
  if (icon != nullptr) {
    const raster::Point spot = icon->GetHotSpot(static_cast<std::uint32_t>(image_));
    x_->setValue(spot.x);
    y_->setValue(spot.y);
  }
  grid->addWidget(new QLabel(QStringLiteral("X:"), this), 1, 0);
  grid->addWidget(x_, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("Y:"), this), 2, 0);
  grid->addWidget(y_, 2, 1);
  auto* test = new QPushButton(U(texts::kCurTestTry), this);
  test->setObjectName(QStringLiteral("Button2"));
  auto* ok = new QPushButton(U(texts::kNewOk), this);
  ok->setObjectName(QStringLiteral("Button1"));
  grid->addWidget(test, 3, 0);
  grid->addWidget(ok, 3, 1);
  auto* frame = new QFrame(this);
  frame->setObjectName(QStringLiteral("Panel1"));
  frame->setFrameShape(QFrame::Panel);
  frame->setFrameShadow(QFrame::Sunken);
  frame->setMinimumSize(160, 120);
  area_ = frame;
  grid->addWidget(frame, 0, 2, 4, 1);
  auto* hint = new QLabel(U(texts::kCurTestHint), this);
  hint->setObjectName(QStringLiteral("Label4"));
  grid->addWidget(hint, 4, 0, 1, 3);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  connect(x_, &QSpinBox::valueChanged, this, &TfrmCurTest::HotSpotChanged);
  connect(y_, &QSpinBox::valueChanged, this, &TfrmCurTest::HotSpotChanged);
  connect(test, &QPushButton::clicked, this, &TfrmCurTest::TryCursor);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmCurTest::HotSpotChanged() {
  workspace_.SetHotSpot(x_->value(), y_->value());
}

void TfrmCurTest::TryCursor() {
  // The cursor is made in memory from the image and its mask: no file.
  const document::TKvIcon* icon = workspace_.Document();
  if (icon == nullptr) return;
  QImage picture = IconOverBackground(*icon, image_, Qt::black, 128, 128);
  const document::MaskSurface* mask = icon->AndBitmap(static_cast<std::uint32_t>(image_));
  if (picture.isNull() || mask == nullptr) return;
  picture = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (mask->Get(x, y) && (picture.pixel(x, y) & 0xFFFFFF) == 0) picture.setPixel(x, y, 0);
    }
  }
  area_->setCursor(QCursor(QPixmap::fromImage(picture), x_->value(), y_->value()));
}

void RunHotSpotDialog(QWidget& parent, editor::Workspace& workspace) {
  const document::TKvIcon* icon = workspace.Document();
  if (icon == nullptr || icon->ImageCount() == 0) return;
  TfrmCurTest dialog(workspace, &parent);
  dialog.exec();
}

}  // namespace pixmint::app
