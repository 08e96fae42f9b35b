#include "app/panels.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "app/dialogs/qt_texts.h"

namespace pixmint::app {

Swatch::Swatch(const QString& name, const QString& hint, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setToolTip(hint);
}

void Swatch::Show(const QColor& colour, const QPixmap& glyph) {
  colour_ = colour;
  glyph_ = glyph;
  update();
}

void Swatch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect box = rect().adjusted(0, 0, -1, -1);
  if (glyph_.isNull()) {
    painter.fillRect(box, colour_);
  } else {
    painter.drawPixmap(box, glyph_);
  }
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(box);
}

void Swatch::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick) onClick();
}

PaletteBox::PaletteBox(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PaintBox2"));
  setMouseTracking(true);
}

void PaletteBox::Show(const QImage& picture) {
  picture_ = picture;
  update();
}

void PaletteBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
}

void PaletteBox::mouseMoveEvent(QMouseEvent* event) {
  if (onMove) onMove(event->position().toPoint());
}

void PaletteBox::mouseReleaseEvent(QMouseEvent* event) {
  if (onRelease) onRelease(event->position().toPoint(), event->modifiers());
}

void PaletteBox::resizeEvent(QResizeEvent*) {
  if (onResize) onResize(size());
}

PreviewBox::PreviewBox(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PaintBox3"));
}

void PreviewBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (painter) painter(p, size());
}

int ImageEntryHeight(int imageHeight) {
  return std::max(24, std::min(48, imageHeight)) + 8;
}

ImageEntryDelegate::ImageEntryDelegate(Source source, QObject* parent)
    : QStyledItemDelegate(parent), source_(std::move(source)) {}

void ImageEntryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const std::optional<ImageEntry> entry = source_(index.row());
  if (!entry) return;
  const bool selected = (option.state & QStyle::State_Selected) != 0;
  const QPalette& colours = option.palette;
  painter->save();
  const QColor background = colours.color(selected ? QPalette::Highlight : QPalette::Base);
  painter->fillRect(option.rect, background);
  const int left = option.rect.left();
  const int top = option.rect.top();
  const int w = std::min(48, entry->width);
  if (entry->drawThumbnail)
    entry->drawThumbnail(*painter, QPoint(left + (kImageEntryThumbColumn - w) / 2, top + 4), background);
  const int lineHeight = option.fontMetrics.height() + option.fontMetrics.leading();
  const int e = option.rect.height();
  painter->setPen(colours.color(selected ? QPalette::HighlightedText : QPalette::Text));
  const int textTop = top + (e - 2 * lineHeight) / 2;
  const QString size = QString::number(entry->width) + QStringLiteral(" x ") + QString::number(entry->height);
  const QString depth = T(texts::kImageDepth).arg(entry->colours);
  painter->drawText(
      QRect(left + kImageEntryThumbColumn, textTop, option.rect.width() - kImageEntryThumbColumn, lineHeight),
      Qt::AlignLeft, size);
  painter->drawText(QRect(left + kImageEntryThumbColumn, textTop + lineHeight,
                          option.rect.width() - kImageEntryThumbColumn, lineHeight),
                    Qt::AlignLeft, depth);
  painter->restore();
}

QSize ImageEntryDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const std::optional<ImageEntry> entry = source_(index.row());
  if (!entry) return {option.rect.width(), 16};
  // Tall enough for the thumbnail and for both lines of text in this font.
  const int lines = 2 * (option.fontMetrics.height() + option.fontMetrics.leading()) + 4;
  return {option.rect.width(), std::max(ImageEntryHeight(entry->height), lines)};
}

ImageListBox::ImageListBox(QWidget* parent) : QListWidget(parent) {
  setObjectName(QStringLiteral("ListBox1"));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(false);
}

void ImageListBox::mousePressEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (onPress) onPress(index.isValid() ? index.row() : -1);
  QListWidget::mousePressEvent(event);
}

void ImageListBox::mouseReleaseEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  QListWidget::mouseReleaseEvent(event);
  if (onRelease) onRelease(index.isValid() ? index.row() : -1);
}

}  // namespace pixmint::app
