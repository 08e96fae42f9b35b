#pragma once

#include <QListWidget>
#include <QStyledItemDelegate>
#include <QWidget>
#include <functional>

namespace pixmint::app {

// A colour swatch that runs onClick when pressed; it shows a glyph instead
// of its colour when one is set (the marker colours look like their buttons).
class Swatch : public QWidget {
  Q_OBJECT

 public:
  Swatch(const QString& name, const QString& hint, QWidget* parent);
  void Show(const QColor& colour, const QPixmap& glyph);
  [[nodiscard]] QColor Colour() const { return colour_; }
  std::function<void()> onClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QColor colour_;
  QPixmap glyph_;
};

// PaintBox2: the palette box. Shows a picture the workspace paints and
// forwards moves and releases in its pixels.
class PaletteBox : public QWidget {
  Q_OBJECT

 public:
  explicit PaletteBox(QWidget* parent);
  void Show(const QImage& picture);
  std::function<void(QPoint)> onMove;
  std::function<void(QPoint, Qt::KeyboardModifiers)> onRelease;
  std::function<void(QSize)> onResize;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage picture_;
};

// PaintBox3: the preview of the current image over the window colour and
// over the desktop colour; painter draws both halves.
class PreviewBox : public QWidget {
  Q_OBJECT

 public:
  explicit PreviewBox(QWidget* parent);
  std::function<void(QPainter&, QSize)> painter;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// What an image list entry shows.
struct ImageEntry {
  int width = 0;
  int height = 0;
  int colours = 0;
  // Draws the top-left (at most 48 x 48) of the image by mask and colour
  // over the given background colour at the given point.
  std::function<void(QPainter&, QPoint, QColor)> drawThumbnail;
};

// Measures and draws the owner-drawn entries of ListBox1.
class ImageEntryDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using Source = std::function<std::optional<ImageEntry>(int)>;
  ImageEntryDelegate(Source source, QObject* parent);
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  Source source_;
};

// The entry height: max(24, min(48, H)) + 8.
[[nodiscard]] int ImageEntryHeight(int imageHeight);
// The thumbnail column of an entry; the texts follow it.
inline constexpr int kImageEntryThumbColumn = 56;

// ListBox1: presses and releases of any button report the entry under the
// mouse (-1 for none), for the drag exchange.
class ImageListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit ImageListBox(QWidget* parent);
  std::function<void(int)> onPress;
  std::function<void(int)> onRelease;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace pixmint::app
