#include "app/dialogs/tfrm_cur_test.h"

#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <string>
#include <system_error>

#include "app/dialogs/number_box.h"
#include "app/dialogs/place_widget.h"
#include "app/dialogs/qt_texts.h"
#include "document/kv_icon.h"

namespace pixmint::app {

namespace {

constexpr QRect kAreaGeometry{2, 2, 200, 150};

class ScribbleArea : public QWidget {
 public:
  ScribbleArea(TfrmCurTest& owner, QWidget* parent) : QWidget(parent), owner_(owner) {
    setObjectName(QStringLiteral("PaintBox1"));
  }

 protected:
  void paintEvent(QPaintEvent*) override { owner_.PaintTestArea(*this); }
  void mousePressEvent(QMouseEvent* e) override { owner_.Scribble(e->position().toPoint(), true, false); }
  void mouseMoveEvent(QMouseEvent* e) override { owner_.Scribble(e->position().toPoint(), false, false); }
  void mouseReleaseEvent(QMouseEvent* e) override { owner_.Scribble(e->position().toPoint(), false, true); }

 private:
  TfrmCurTest& owner_;
};

}  // namespace

TfrmCurTest::TfrmCurTest(QWidget* parent, const CurTestRequest& request) : QDialog(parent), request_(request) {
  setObjectName(QStringLiteral("TfrmCurTest"));
  setWindowTitle(T(texts::kCurTestCaption));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(340, 200);
  Place(this, "Label3", {8, 8, 110, 16}, new QLabel(T(texts::kCurTestHotSpot)));
  Place(this, "Label1", {16, 34, 20, 16}, new QLabel(T(texts::kCurTestX)));
  updX_ = Place(this, "updX", {38, 30, 72, 22}, new NumberBox);
  Place(this, "Label2", {16, 62, 20, 16}, new QLabel(T(texts::kCurTestY)));
  updY_ = Place(this, "updY", {38, 58, 72, 22}, new NumberBox);
  auto* button2 = Place(this, "Button2", {16, 96, 94, 25}, new QPushButton(T(texts::kCurTestTry)));
  auto* button1 = Place(this, "Button1", {16, 128, 94, 25}, new QPushButton(T(texts::kCurTestClose)));
  auto* panel = Place(this, "Panel1", {124, 8, 204, 154}, new QFrame);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  paintBox1_ = new ScribbleArea(*this, panel);
  paintBox1_->setGeometry(kAreaGeometry);
  auto* hint = Place(this, "Label4", {8, 170, 324, 24}, new QLabel(T(texts::kCurTestHint)));
  hint->setWordWrap(true);

  // Limits first, then the current hot spot; the boxes write it back only
  // once the user changes them.
  updX_->setRange(0, std::max(0, request_.workWidth - 1));
  updY_->setRange(0, std::max(0, request_.workHeight - 1));
  if (request_.document != nullptr) {
    // With nothing selected the first image's hot spot is shown.
    const auto shown = static_cast<std::uint32_t>(std::max(request_.image, 0));
    const raster::Point spot = request_.document->GetHotSpot(shown);
    updX_->setValue(spot.x);
    updY_->setValue(spot.y);
  }
  connect(updX_, &QSpinBox::valueChanged, this, &TfrmCurTest::updXChange);
  connect(updY_, &QSpinBox::valueChanged, this, &TfrmCurTest::updXChange);
  connect(button2, &QPushButton::clicked, this, &TfrmCurTest::Button2Click);
  connect(button1, &QPushButton::clicked, this, &QDialog::accept);

  // A number unique to this open dialog names its test file.
  if (!request_.tempFolder.empty()) {
    testFile_ = request_.tempFolder / (std::to_string(reinterpret_cast<quintptr>(this)) + ".cur");
  }
}

TfrmCurTest::~TfrmCurTest() {
  RemoveTestFile();
}

void TfrmCurTest::updXChange() {
  if (request_.document == nullptr || request_.image < 0) return;
  request_.document->SetHotSpot(static_cast<std::uint32_t>(request_.image), {updX_->value(), updY_->value()});
}

void TfrmCurTest::Button2Click() {
  if (request_.document == nullptr || testFile_.empty()) return;
  // The whole document goes through our own writer and reader, so the test
  // shows exactly what a saved file will show.
  if (!request_.document->SaveToFile(testFile_.string())) return;
  tried_ = ReadCursorFile(testFile_);
  if (!tried_) return;
  paintBox1_->setCursor(QCursor(QPixmap::fromImage(tried_->image), tried_->hotSpot.x, tried_->hotSpot.y));
}

void TfrmCurTest::Scribble(QPoint p, bool down, bool up) {
  if (down) {
    drawing_ = true;
    last_ = p;
    return;
  }
  if (up) {
    drawing_ = false;
    return;
  }
  if (!drawing_) return;
  if (scribble_.size() != paintBox1_->size()) {
    scribble_ = QImage(paintBox1_->size(), QImage::Format_ARGB32_Premultiplied);
    scribble_.fill(Qt::transparent);
  }
  QPainter painter(&scribble_);
  painter.setPen(QPen(Qt::black, 0));
  painter.drawLine(last_, p);
  last_ = p;
  paintBox1_->update();
}

void TfrmCurTest::PaintTestArea(QWidget& box) {
  QPainter painter(&box);
  painter.fillRect(box.rect(), box.palette().color(QPalette::Base));
  if (!scribble_.isNull()) painter.drawImage(0, 0, scribble_);
}

void TfrmCurTest::done(int result) {
  RemoveTestFile();
  QDialog::done(result);
}

void TfrmCurTest::RemoveTestFile() {
  if (testFile_.empty()) return;
  std::error_code error;
  std::filesystem::remove(testFile_, error);
}

bool RunCurTestDialog(QWidget* parent, const CurTestRequest& request) {
  if (request.document == nullptr || request.document->ImageCount() == 0 || request.image < 0) return false;
  const auto image = static_cast<std::uint32_t>(request.image);
  const raster::Point before = request.document->GetHotSpot(image);
  TfrmCurTest dialog(parent, request);
  dialog.exec();
  return request.document->GetHotSpot(image) != before;
}

}  // namespace pixmint::app
