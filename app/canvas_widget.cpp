#include "app/canvas_widget.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

#include "app/picture_image.h"
#include "editor/workspace.h"

namespace pixmint::app {
namespace {

std::optional<editor::MouseButton> ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return editor::MouseButton::kLeft;
    case Qt::RightButton:
      return editor::MouseButton::kRight;
    case Qt::MiddleButton:
      return editor::MouseButton::kMiddle;
    default:
      return std::nullopt;
  }
}

}  // namespace

tools::ShiftState ShiftFrom(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  using tools::ShiftState;
  ShiftState shift = ShiftState::kNone;
  if (modifiers & Qt::ShiftModifier) shift |= ShiftState::kShift;
  if (modifiers & Qt::AltModifier) shift |= ShiftState::kAlt;
  if (modifiers & Qt::ControlModifier) shift |= ShiftState::kCtrl;
  if (buttons & Qt::LeftButton) shift |= ShiftState::kLeftButton;
  if (buttons & Qt::RightButton) shift |= ShiftState::kRightButton;
  if (buttons & Qt::MiddleButton) shift |= ShiftState::kMiddleButton;
  return shift;
}

CanvasWidget::CanvasWidget(editor::Workspace& workspace, QWidget* parent) : QWidget(parent), workspace_(workspace) {
  setObjectName(QStringLiteral("PaintBox1"));
  setMouseTracking(true);
  // Every pixel is painted from the screen buffer: no background fill needed.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
  const QImage screen = WrapPicture(workspace_.Screen());
  if (screen.isNull()) return;
  QPainter painter(this);
  const QRect area = event->rect() & screen.rect();
  painter.drawImage(area.topLeft(), screen, area);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
  const auto button = ButtonOf(event->button());
  if (!button) return;
  const QPoint p = event->position().toPoint();
  workspace_.CanvasMouseDown(*button, ShiftFrom(event->modifiers(), event->buttons()), p.x(), p.y());
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  const auto button = ButtonOf(event->button());
  if (!button) return;
  const QPoint p = event->position().toPoint();
  workspace_.CanvasMouseDown(*button, ShiftFrom(event->modifiers(), event->buttons()) | tools::ShiftState::kDoubleClick,
                             p.x(), p.y());
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  workspace_.CanvasMouseMove(ShiftFrom(event->modifiers(), event->buttons()), p.x(), p.y());
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
  const auto button = ButtonOf(event->button());
  if (!button) return;
  const QPoint p = event->position().toPoint();
  workspace_.CanvasMouseUp(*button, ShiftFrom(event->modifiers(), event->buttons()), p.x(), p.y());
}

void CanvasWidget::contextMenuEvent(QContextMenuEvent* event) {
  if (onContextMenu) onContextMenu(event->globalPos());
}

}  // namespace pixmint::app
