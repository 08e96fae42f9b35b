#pragma once

#include <QWidget>
#include <functional>

#include "editor/editor_state.h"

namespace pixmint::editor {
class Workspace;
}

namespace pixmint::app {

// The shift set of the workspace from Qt's modifiers and buttons.
[[nodiscard]] tools::ShiftState ShiftFrom(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

// PaintBox1: shows the workspace's screen buffer 1:1 and forwards the mouse.
class CanvasWidget : public QWidget {
  Q_OBJECT

 public:
  CanvasWidget(editor::Workspace& workspace, QWidget* parent);

  // Called with the global position when the canvas menu should open.
  std::function<void(QPoint)> onContextMenu;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  editor::Workspace& workspace_;
};

}  // namespace pixmint::app
