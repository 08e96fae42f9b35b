#include "app/dialogs/tfrm_text.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "app/dialogs/place_widget.h"
#include "app/dialogs/qt_texts.h"

namespace pixmint::app {

namespace {

constexpr int kPreviewWidth = 287;
constexpr int kPreviewHeight = 95;

QFont Unsmoothed(QFont font) {
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

QColor ToQColor(raster::Colour c) {
  return {raster::Red(c), raster::Green(c), raster::Blue(c)};
}

class PreviewBox : public QWidget {
 public:
  PreviewBox(TfrmText& owner, QWidget* parent) : QWidget(parent), owner_(owner) {
    setObjectName(QStringLiteral("PaintBox1"));
  }

 protected:
  void paintEvent(QPaintEvent*) override { owner_.PaintPreview(*this); }

 private:
  TfrmText& owner_;
};

}  // namespace

QFont DesignTextFont() {
  const QString design = T(texts::kTextDesignFace);
  QString face = design;
  if (!QFontDatabase::hasFamily(design)) {
    const char* fallbacks[] = {"SimSun",         "Noto Sans CJK SC",   "Noto Serif CJK SC", "WenQuanYi Zen Hei",
                               "AR PL UMing CN", "Droid Sans Fallback"};
    for (const char* candidate : fallbacks) {
      if (QFontDatabase::hasFamily(QString::fromLatin1(candidate))) {
        face = QString::fromLatin1(candidate);
        break;
      }
    }
  }
  QFont font(face);
  font.setPixelSize(12);
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  return font;
}

raster::Picture RenderText(const QString& text, const TextFont& font) {
  const QFont plain = Unsmoothed(font.font);
  const QFontMetrics metrics(plain);
  const int width = metrics.horizontalAdvance(text);
  const int height = metrics.height();
  raster::Picture picture(width, height);
  if (width <= 0 || height <= 0) return picture;
  QImage glyphs(width, height, QImage::Format_ARGB32_Premultiplied);
  glyphs.fill(Qt::transparent);
  {
    QPainter painter(&glyphs);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(plain);
    painter.setPen(Qt::black);
    painter.drawText(0, metrics.ascent(), text);
  }
  // Coverage is all or nothing here; anything at least half covered is a
  // glyph pixel in case a platform still smooths.
  for (int y = 0; y < height; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(glyphs.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      if (qAlpha(line[x]) >= 128) picture.SetPixel(x, y, font.colour & 0xFFFFFF);
    }
  }
  return picture;
}

TfrmText::TfrmText(QWidget* parent, raster::Colour colour) : QDialog(parent), font_(DesignTextFont()), colour_(colour) {
  setObjectName(QStringLiteral("TfrmText"));
  setWindowTitle(T(texts::kTextCaption));
  setFixedSize(305, 219);
  auto* label1 = Place(this, "Label1", {9, 12, 40, 16}, new QLabel(T(texts::kTextLabel)));
  edit1_ = Place(this, "Edit1", {50, 8, 150, 22}, new QLineEdit);
  label1->setBuddy(edit1_);
  auto* btnFont = Place(this, "btnFont", {208, 7, 88, 25}, new QPushButton(T(texts::kTextFont)));
  Place(this, "Label2", {9, 38, 60, 16}, new QLabel(T(texts::kTextPreview)));
  auto* panel = Place(this, "Panel1", {7, 56, kPreviewWidth + 4, kPreviewHeight + 4}, new QFrame);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  paintBox1_ = new PreviewBox(*this, panel);
  paintBox1_->setGeometry(2, 2, kPreviewWidth, kPreviewHeight);
  auto* ok = Place(this, "btnOk", {136, 186, 75, 25}, new QPushButton(T(texts::kTextOk)));
  auto* cancel = Place(this, "btnCancel", {221, 186, 75, 25}, new QPushButton(T(texts::kTextCancel)));
  // Enter on any control is OK: no other button may take it.
  for (auto* button : {btnFont, ok, cancel}) button->setAutoDefault(false);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnFont, &QPushButton::clicked, this, &TfrmText::btnFontClick);
  connect(edit1_, &QLineEdit::textChanged, paintBox1_, qOverload<>(&QWidget::update));
  chooser_ = [](QWidget* owner, const QFont& initial) -> std::optional<QFont> {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, owner);
    return ok ? std::optional<QFont>(chosen) : std::nullopt;
  };
  edit1_->setFocus();
}

QString TfrmText::Text() const {
  return edit1_->text();
}

void TfrmText::btnFontClick() {
  const auto chosen = chooser_ ? chooser_(this, font_) : std::nullopt;
  if (!chosen) return;
  font_ = *chosen;
  paintBox1_->update();
}

QRect TfrmText::PreviewTextRect() const {
  const QFontMetrics metrics(Unsmoothed(font_));
  const int w = metrics.horizontalAdvance(Text());
  const int h = metrics.height();
  return {(kPreviewWidth - w) / 2, (kPreviewHeight - h) / 2, w, h};
}

void TfrmText::PaintPreview(QWidget& box) {
  QPainter painter(&box);
  painter.fillRect(box.rect(), box.palette().color(QPalette::Base));
  painter.setFont(Unsmoothed(font_));
  painter.setPen(ToQColor(colour_));
  const QRect at = PreviewTextRect();
  painter.drawText(at.left(), at.top() + QFontMetrics(painter.font()).ascent(), Text());
}

bool RunTextDialog(QWidget* parent, TextFont& textFont, QString& textString) {
  TfrmText dialog(parent, textFont.colour);
  if (dialog.exec() != QDialog::Accepted) return false;
  textFont = dialog.ChosenFont();
  textString = dialog.Text();
  return true;
}

}  // namespace pixmint::app
