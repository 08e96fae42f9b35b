#include "app/art.h"

#include <QHash>

void PixmintInitResources() {
  Q_INIT_RESOURCE(pixmint);
}

namespace pixmint::app {
namespace {

struct ToolCursor {
  const char* name;
  int hotX;
  int hotY;
};

// Hot spots sit where each picture touches the paper.
ToolCursor CursorPicture(editor::CursorShape shape) {
  using editor::CursorShape;
  switch (shape) {
    case CursorShape::kPencil:
      return {"cursor_pencil", 1, 30};
    case CursorShape::kBrush:
      return {"cursor_brush", 1, 30};
    case CursorShape::kEraser:
      return {"cursor_eraser", 4, 27};
    case CursorShape::kDropper:
      return {"cursor_dropper", 1, 30};
    case CursorShape::kFill:
      return {"cursor_fill", 3, 27};
    case CursorShape::kSpray:
      return {"cursor_spray", 1, 3};
    default:
      return {nullptr, 0, 0};
  }
}

}  // namespace

QPixmap ArtPixmap(const QString& name) {
  static QHash<QString, QPixmap> cache;
  auto found = cache.find(name);
  if (found == cache.end())
    found = cache.insert(name, QPixmap(QStringLiteral(":/art/") + name + QStringLiteral(".png")));
  return *found;
}

QIcon ArtIcon(const QString& name) {
  const QPixmap picture = ArtPixmap(name);
  return picture.isNull() ? QIcon() : QIcon(picture);
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : kProgramIconSizes) icon.addPixmap(ArtPixmap(QStringLiteral("pixmint_%1").arg(size)));
  return icon;
}

QCursor CursorFor(editor::CursorShape shape) {
  using editor::CursorShape;
  const ToolCursor tool = CursorPicture(shape);
  if (tool.name != nullptr) {
    const QPixmap picture = ArtPixmap(QLatin1String(tool.name));
    if (!picture.isNull()) return QCursor(picture, tool.hotX, tool.hotY);
    return QCursor(Qt::CrossCursor);
  }
  switch (shape) {
    case CursorShape::kCross:
      return QCursor(Qt::CrossCursor);
    case CursorShape::kSizeAll:
      return QCursor(Qt::SizeAllCursor);
    case CursorShape::kSizeNwse:
      return QCursor(Qt::SizeFDiagCursor);
    case CursorShape::kSizeNesw:
      return QCursor(Qt::SizeBDiagCursor);
    case CursorShape::kSizeNs:
      return QCursor(Qt::SizeVerCursor);
    case CursorShape::kSizeWe:
      return QCursor(Qt::SizeHorCursor);
    default:
      return QCursor(Qt::ArrowCursor);
  }
}

}  // namespace pixmint::app
