#include "app/dialogs/tfrm_paste.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "app/dialogs/number_box.h"
#include "app/dialogs/qt_texts.h"
#include "raster/grid.h"

namespace pixmint::app {

namespace {

constexpr int kColumnWidth = 120;
// While a handle is dragged the boxes show the values as they stand.
constexpr int kUnlimited = std::numeric_limits<int>::max() / 4;

// The picture at 1:1; it hands its events to the dialog.
class PictureBox : public QWidget {
 public:
  PictureBox(TfrmPaste& owner, QWidget* parent) : QWidget(parent), owner_(owner) {
    setObjectName(QStringLiteral("PaintBox1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent* event) override { owner_.PaintPicture(*this, event->rect()); }
  void mousePressEvent(QMouseEvent* event) override { owner_.PicturePress(event->position().toPoint()); }
  void mouseMoveEvent(QMouseEvent* event) override { owner_.PictureMove(*this, event->position().toPoint()); }
  void mouseReleaseEvent(QMouseEvent*) override { owner_.PictureRelease(); }

 private:
  TfrmPaste& owner_;
};

Qt::CursorShape CursorForHandle(raster::FrameHandle handle) {
  const raster::HandleEdges e = raster::EdgesOf(handle);
  if (e.whole) return Qt::SizeAllCursor;
  if (e.x != 0 && e.y != 0) return e.x == e.y ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
  if (e.y != 0) return Qt::SizeVerCursor;
  if (e.x != 0) return Qt::SizeHorCursor;
  return Qt::ArrowCursor;
}

// The strips a frame and its handles cover, so that a drag repaints only them.
QRegion FrameRegion(const PasteRect& rect) {
  const raster::Rect f = rect.Frame();
  const QRect bounds(QPoint(f.left - 4, f.top - 4), QPoint(f.right + 4, f.bottom + 4));
  const QRect inner(QPoint(f.left + 4, f.top + 4), QPoint(f.right - 4, f.bottom - 4));
  QRegion region(bounds);
  if (inner.isValid()) region -= QRegion(inner);
  return region;
}

void DrawFrame(QPainter& painter, const PasteRect& rect) {
  const raster::Rect f = rect.Frame();
  const QRect outline(f.left, f.top, f.right - f.left, f.bottom - f.top);
  // Dots of black over white, lying on the rectangle's own edges.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, 0));
  painter.drawRect(outline);
  QPen dots(Qt::black, 0);
  dots.setDashPattern({1, 1});
  painter.setPen(dots);
  painter.drawRect(outline);
  painter.setPen(QPen(Qt::black, 0));
  const int mx = f.left + (f.right - f.left) / 2;
  const int my = f.top + (f.bottom - f.top) / 2;
  const QPoint handles[8] = {{f.left, f.top},     {f.left, my},  {f.left, f.bottom}, {mx, f.bottom},
                             {f.right, f.bottom}, {f.right, my}, {f.right, f.top},   {mx, f.top}};
  for (const QPoint c : handles) {
    painter.fillRect(QRect(c.x() - 3, c.y() - 3, 6, 6), Qt::white);
    painter.drawRect(QRect(c.x() - 3, c.y() - 3, 5, 5));
  }
}

}  // namespace

QImage PictureToQImage(const raster::Picture& picture) {
  if (picture.Empty()) return {};
  // Blue, green, red, alpha in memory: Qt's ARGB32 on this machine.
  return QImage(picture.Row(0), picture.Width(), picture.Height(), picture.Stride(), QImage::Format_ARGB32).copy();
}

TfrmPaste::TfrmPaste(QWidget* parent, raster::Picture picture, int imageWidth, int imageHeight)
    : QDialog(parent),
      picture_(std::move(picture)),
      shown_(PictureToQImage(picture_)),
      imageWidth_(imageWidth),
      imageHeight_(imageHeight),
      selection_(picture_.Width(), picture_.Height(), imageWidth, imageHeight) {
  setObjectName(QStringLiteral("TfrmPaste"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  auto* layout = new QHBoxLayout(this);
  BuildPictureArea();
  BuildControls();
  WriteBoxes(true);
  // The dialog takes the main window's place and size.
  if (parent != nullptr) {
    setGeometry(parent->window()->geometry());
    setFixedSize(parent->window()->size());
  } else {
    resize(800, 600);
  }
  layout->setContentsMargins(4, 4, 4, 4);
}

TfrmPaste::~TfrmPaste() = default;

void TfrmPaste::BuildPictureArea() {
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("ScrollBox1"));
  auto* panel = new QWidget;
  panel->setObjectName(QStringLiteral("Panel3"));
  panel->setAutoFillBackground(true);
  QPalette white = panel->palette();
  white.setColor(QPalette::Window, Qt::white);
  panel->setPalette(white);
  panel->setFixedSize(std::max(picture_.Width(), 1), std::max(picture_.Height(), 1));
  auto* box = new PictureBox(*this, panel);
  box->setFixedSize(panel->size());
  paintBox_ = box;
  scroll->setWidget(panel);
  static_cast<QHBoxLayout*>(layout())->addWidget(scroll, 1);
}

QSpinBox* TfrmPaste::AddBox(const char* name, Range range) {
  auto* box = new NumberBox;
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(range.minimum, range.maximum);
  connect(box, &QSpinBox::valueChanged, this, &TfrmPaste::BoxChanged);
  return box;
}

void TfrmPaste::BuildControls() {
  auto* column = new QWidget(this);
  column->setFixedWidth(kColumnWidth);
  auto* stack = new QVBoxLayout(column);
  stack->setContentsMargins(0, 0, 0, 0);
  auto* group = new QGroupBox(T(texts::kPasteGroup), column);
  group->setObjectName(QStringLiteral("GroupBox1"));
  auto* form = new QFormLayout(group);
  updLeft_ = AddBox("updLeft", selection_.LeftRange());
  updTop_ = AddBox("updTop", selection_.TopRange());
  updWidth_ = AddBox("updWidth", selection_.WidthRange());
  updHeight_ = AddBox("updHeight", selection_.HeightRange());
  form->addRow(T(texts::kPasteLeft), updLeft_);
  form->addRow(T(texts::kPasteTop), updTop_);
  form->addRow(T(texts::kPasteWidth), updWidth_);
  form->addRow(T(texts::kPasteHeight), updHeight_);
  stack->addWidget(group);

  auto* selectAll = new QPushButton(T(texts::kPasteSelectAll), column);
  selectAll->setObjectName(QStringLiteral("btnSelectAll"));
  connect(selectAll, &QPushButton::clicked, this, &TfrmPaste::btnSelectAllClick);
  stack->addWidget(selectAll);
  checkBox1_ = new QCheckBox(T(texts::kPasteStretch), column);
  checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
  checkBox1_->setChecked(true);
  stack->addWidget(checkBox1_);
  stack->addStretch(1);
  auto* ok = new QPushButton(T(texts::kPasteOk), column);
  ok->setObjectName(QStringLiteral("btnOk"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TfrmPaste::btnOkClick);
  auto* cancel = new QPushButton(T(texts::kPasteCancel), column);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  stack->addWidget(ok);
  stack->addWidget(cancel);
  static_cast<QHBoxLayout*>(layout())->addWidget(column);
}

void TfrmPaste::WriteBoxes(bool limited) {
  const PasteRect r = selection_.Rect();
  const std::pair<QSpinBox*, Range> boxes[4] = {{updWidth_, selection_.WidthRange()},
                                                {updHeight_, selection_.HeightRange()},
                                                {updLeft_, selection_.LeftRange()},
                                                {updTop_, selection_.TopRange()}};
  const int values[4] = {r.width, r.height, r.left, r.top};
  for (int i = 0; i < 4; ++i) {
    QSpinBox* box = boxes[i].first;
    const QSignalBlocker block(box);
    if (limited) {
      box->setRange(boxes[i].second.minimum, boxes[i].second.maximum);
    } else {
      box->setRange(-kUnlimited, kUnlimited);
    }
    box->setValue(values[i]);
  }
}

void TfrmPaste::BoxChanged() {
  const PasteRect before = selection_.Rect();
  selection_.SetRect({updLeft_->value(), updTop_->value(), updWidth_->value(), updHeight_->value()});
  RepaintFrame(before);
}

void TfrmPaste::RepaintFrame(const PasteRect& before) {
  paintBox_->update(FrameRegion(before) + FrameRegion(selection_.Rect()));
}

void TfrmPaste::PaintPicture(QWidget& box, const QRect& area) {
  QPainter painter(&box);
  painter.fillRect(area, Qt::white);
  painter.drawImage(area.topLeft(), shown_, area);
  DrawFrame(painter, selection_.Rect());
}

void TfrmPaste::PicturePress(QPoint p) {
  selection_.Press({p.x(), p.y()});
}

void TfrmPaste::PictureMove(QWidget& box, QPoint p) {
  if (!selection_.Dragging()) {
    box.setCursor(CursorForHandle(raster::HitTestFrame(selection_.Rect().Frame(), p.x(), p.y())));
    return;
  }
  const PasteRect before = selection_.Rect();
  if (!selection_.Move({p.x(), p.y()})) return;
  WriteBoxes(false);
  RepaintFrame(before);
}

void TfrmPaste::PictureRelease() {
  const PasteRect before = selection_.Rect();
  selection_.Release();
  WriteBoxes(true);
  RepaintFrame(before);
}

void TfrmPaste::btnSelectAllClick() {
  selection_.SelectAll();
  WriteBoxes(true);
  paintBox_->update();
}

void TfrmPaste::btnOkClick() {
  result_ = PasteOutput(picture_, selection_.Rect(), imageWidth_, imageHeight_, checkBox1_->isChecked());
  accept();
}

std::optional<raster::Picture> RunPasteDialog(QWidget* mainWindow, raster::Picture picture, int imageWidth,
                                              int imageHeight) {
  TfrmPaste dialog(mainWindow, std::move(picture), imageWidth, imageHeight);
  dialog.setWindowTitle(T(texts::kPasteCaption));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Result();
}

}  // namespace pixmint::app
